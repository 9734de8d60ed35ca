#pragma once

#include "sheet/edit.h"
#include "cli/failure.h"
#include "model/load.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// The refusals shared by every verb that rewrites weapon files.

// Fails when the bytes hold no StartWeaponConfig line: whatever its name,
// such a file is no weapon script and is not rewritten as one.
std::optional<Failure> notWeaponScript(std::string_view file, std::string_view bytes);

// The table entries of the file's bytes that a save of the loaded weapon
// drops (families the family list lacks), each as a change to "(dropped)".
std::vector<EditChange> droppedEntries(std::string_view bytes, const LoadOutcome& loaded);

// The failure of a save that would drop the entries unasked.
Failure droppingFailure(const std::vector<EditChange>& dropped);

// Refuses a file after "--" that starts with "-" and names no file: an
// option put after the files, which must not be taken for one.
std::optional<std::string> optionAfterMarker(const std::vector<std::string>& files);

} // namespace wepn
