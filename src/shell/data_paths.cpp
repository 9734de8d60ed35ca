#include "shell/data_paths.h"

#include "files/data_directory.h"
#include "shell/directory_tree.h"
#include "shell/path_text.h"

#include <filesystem>
#include <system_error>

namespace wepn {

DataPaths DataPaths::derivedFrom(const QString& dataDir) {
    DataPaths paths = derivedFromNative(nativePathOf(dataDir));
    paths.strDataDir = dataDir;
    return paths;
}

DataPaths DataPaths::derivedFromNative(const std::string& nativeDataDir) {
    const auto under = [&](std::string_view relative) {
        return directory_tree::childOf(nativeDataDir, relative);
    };
    return DataPaths{displayText(nativeDataDir), nativeDataDir, under(data_directory::kWeaponfire),
                     under("Weapon"), under(data_directory::kFamilyList)};
}

std::optional<std::string> dataDirectoryHolding(const std::string& nativeWeapon) {
    const std::string folder = directory_tree::parentOf(directory_tree::absoluteOf(nativeWeapon));
    const std::string dataDir = directory_tree::parentOf(folder);
    std::error_code ec;
    if (directory_tree::lastNameOf(folder) != "Weapon" ||
        !std::filesystem::is_regular_file(
            directory_tree::childOf(dataDir, data_directory::kFamilyList), ec)) {
        return std::nullopt;
    }
    return dataDir;
}

} // namespace wepn
