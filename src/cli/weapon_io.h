#pragma once

#include "cli/failure.h"
#include "files/file_io.h"
#include "model/expected.h"
#include "model/family_list.h"
#include "model/load.h"
#include "model/weapon.h"
#include "sheet/weapon_file.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// Where the family list lies under a data directory ("Scripts/familylist.lua"),
// for help texts.
std::string familyListPath();

// The family rows of an optional data directory: none without one.
Expected<std::optional<FamilyRows>, std::string>
readOptionalFamilyRows(const std::optional<std::string>& dataDir);

// The file name that stands for standard input (and, for -o, standard output).
inline constexpr std::string_view kStandardStream = "-";

// Reads a file, or standard input for "-", refusing more than maxBytes.
ReadResult readInputBytes(std::string_view path, std::size_t maxBytes);

// Fails, naming the problem, when "-" is given more than once: standard input
// can be read only once.
std::optional<std::string> standardInputTwice(const std::vector<std::string>& files);

// Reads a weapon file ("-": standard input) (refusing files beyond the load's size limit) and loads
// it as the editor does into a freshly started editor's state, with the
// family rows of a data directory. Without a family list the tables stay as
// the file names them, in file order, instead of ending up empty.
Expected<LoadOutcome, Failure> loadWeaponFile(std::string_view path,
                                              const std::optional<FamilyRows>& rows);
// The same, reading into `buffer`, which a caller loading many files reuses,
// and noting in `readAs` the file as it was read (for replaceFile).
Expected<LoadOutcome, Failure> loadWeaponFile(std::string_view path,
                                              const std::optional<FamilyRows>& rows,
                                              std::string& buffer, FileStamp* readAs = nullptr);

// Writes the bytes over the file, all or nothing, as `conditions` allow.
std::optional<Failure> replaceFile(std::string_view path, std::string_view bytes,
                                   const SaveConditions& conditions = {});

// The help of the --force flag of the verbs that save.
inline constexpr const char* kForceHelp =
    "Also replace files without write permission (refused even for root otherwise)";

// The files to edit in place, each file once however often and however it is
// named (the same device and inode); each repetition is noted on `err`.
std::vector<std::string> distinctFiles(const std::vector<std::string>& files, std::ostream& err);

// Prints each warning as "FILE: warning: TEXT" (or another label).
void printWarnings(std::ostream& err, std::string_view file,
                   const std::vector<LoadWarning>& warnings, std::string_view label = "warning");

} // namespace wepn
