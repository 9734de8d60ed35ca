#include "cli/weapon_io.h"

#include "cli/latin1.h"
#include "files/custom_fso.h"
#include "files/file_io.h"
#include "files/path_mapping.h"
#include "model/script_lines.h"
#include "model/script_writer.h"

namespace wepn {

Expected<FamilyRows, std::string> readFamilyRows(std::string_view dataDir) {
    const std::string path = std::string(dataDir) + "\\Scripts\\familylist.lua";
    if (!CustomFSO().FileExists(path)) {
        return "The file '" + toDisplayPath(path) + "' does not exist.";
    }
    const ReadResult read = readFileBytes(path, kMaxScriptBytes);
    if (!read.ok()) {
        return toDisplayPath(path) + ": error: " + *read.error;
    }
    return readFamilyList(read.bytes);
}

Expected<std::optional<FamilyRows>, std::string>
readOptionalFamilyRows(const std::optional<std::string>& dataDir) {
    if (!dataDir) {
        return std::optional<FamilyRows>();
    }
    Expected<FamilyRows, std::string> read = readFamilyRows(*dataDir);
    if (!read) {
        return read.error();
    }
    return std::optional<FamilyRows>(std::move(read.value()));
}

Expected<LoadOutcome, Failure> loadWeaponFile(std::string_view path,
                                              const std::optional<FamilyRows>& rows) {
    const ReadResult read = readFileBytes(path, kMaxScriptBytes);
    if (!read.ok()) {
        return Failure{0, *read.error};
    }
    Expected<LoadOutcome, LoadError> loaded = loadWeapon(
        WeaponState{}, rows, read.bytes, rows ? LoadedTables::FromRows : LoadedTables::AsNamed);
    if (!loaded) {
        return Failure{loaded.error().line, latin1ToUtf8(loaded.error().reason)};
    }
    return std::move(loaded.value());
}

Expected<std::string, Failure> savedBytes(const WeaponState& state) {
    Expected<std::string, WriteError> written = writeWeaponScript(state);
    if (!written) {
        return Failure{0, latin1ToUtf8(written.error().field) +
                              " cannot be written: " + latin1ToUtf8(written.error().reason)};
    }
    return std::move(written.value());
}

std::optional<Failure> replaceFile(std::string_view path, std::string_view bytes) {
    if (std::optional<std::string> error = writeFileAtomically(path, bytes)) {
        return Failure{0, "cannot write '" + std::string(path) + "': " + *error};
    }
    return std::nullopt;
}

void printWarnings(std::ostream& err, std::string_view file,
                   const std::vector<LoadWarning>& warnings) {
    for (const LoadWarning& warning : warnings) {
        err << file << ": warning: " << latin1ToUtf8(warning.text) << '\n';
    }
}

} // namespace wepn
