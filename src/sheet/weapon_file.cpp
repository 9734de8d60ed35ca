#include "sheet/weapon_file.h"

#include "files/data_directory.h"
#include "files/file_identity.h"
#include "files/file_io.h"
#include "files/path_mapping.h"
#include "model/family_list.h"
#include "model/saved_script.h"
#include "model/script_lines.h"
#include "sheet/latin1.h"

#include <utility>

namespace wepn {

Expected<FamilyRows, std::string> readFamilyRows(std::string_view dataDir) {
    const std::string path = data_directory::familyListIn(dataDir);
    // Something that is there but no ordinary file is named as such below.
    if (!fileIdentity(path)) {
        return "The file '" + toDisplayPath(path) + "' does not exist.";
    }
    const ReadResult read = readFileBytes(path, kMaxScriptBytes);
    if (!read.ok()) {
        return toDisplayPath(path) + ": error: " + *read.error;
    }
    return readFamilyList(read.bytes);
}

Expected<LoadOutcome, Failure> loadWeaponBytes(std::string_view bytes,
                                               const std::optional<FamilyRows>& rows) {
    Expected<LoadOutcome, LoadError> loaded = loadWeapon(
        WeaponState{}, rows, bytes, rows ? LoadedTables::FromRows : LoadedTables::AsNamed);
    if (!loaded) {
        return Failure{loaded.error().line, latin1ToUtf8(loaded.error().reason)};
    }
    return std::move(loaded.value());
}

Expected<LoadOutcome, Failure> loadNativeWeaponFile(const std::string& nativePath,
                                                    const std::optional<FamilyRows>& rows,
                                                    std::string& buffer, FileStamp* readAs) {
    if (std::optional<std::string> error =
            readNativeFileInto(nativePath, kMaxScriptBytes, buffer, readAs)) {
        return Failure{0, std::move(*error)};
    }
    return loadWeaponBytes(buffer, rows);
}

Expected<std::string, Failure> savedBytes(const WeaponState& state) {
    Expected<std::string, WriteError> written = savedScript(state);
    if (!written) {
        const std::string& field = written.error().field;
        return Failure{0, (field.empty() ? "the weapon" : latin1ToUtf8(field)) +
                              " cannot be written: " + latin1ToUtf8(written.error().reason)};
    }
    return std::move(written.value());
}

} // namespace wepn
