#pragma once

#include "files/file_identity.h"
#include "model/expected.h"
#include "model/family_list.h"
#include "model/load.h"
#include "model/weapon.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wepn {

// Why one file failed: the 1-based line (0 when no single line is to blame)
// and a message already in UTF-8.
struct Failure {
    std::size_t line = 0;
    std::string message;
};

// The rows of the family list under a data directory (in the Windows form,
// mapped to the native path). Fails with the message to print as it stands.
Expected<FamilyRows, std::string> readFamilyRows(std::string_view dataDir);

// Loads a weapon file's bytes as the editor does into a freshly started
// editor's state, with the family rows of a data directory. Without a family
// list the tables stay as the file names them, in file order, instead of
// ending up empty.
Expected<LoadOutcome, Failure> loadWeaponBytes(std::string_view bytes,
                                               const std::optional<FamilyRows>& rows);

// Reads a weapon file (refusing files beyond the load's size limit) into
// `buffer` and loads it; `readAs` notes the file as it was read.
Expected<LoadOutcome, Failure> loadNativeWeaponFile(const std::string& nativePath,
                                                    const std::optional<FamilyRows>& rows,
                                                    std::string& buffer,
                                                    FileStamp* readAs = nullptr);

// The bytes the editor's Save As writes for the state, or the field the
// writer refuses.
Expected<std::string, Failure> savedBytes(const WeaponState& state);

} // namespace wepn
