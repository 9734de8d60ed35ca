#include "shell/data_paths.h"

#include "shell/directory_tree.h"
#include "shell/path_text.h"

namespace wepn {

DataPaths DataPaths::derivedFrom(const QString& dataDir) {
    const std::string native = nativePathOf(dataDir);
    const auto under = [&](const char* relative) {
        return directory_tree::childOf(native, relative);
    };
    return DataPaths{dataDir, native, under("Scripts/Weaponfire"), under("Weapon"),
                     under("Scripts/familylist.lua")};
}

} // namespace wepn
