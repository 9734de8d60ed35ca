#include "shell/data_paths.h"

namespace wepn {

DataPaths DataPaths::derivedFrom(const QString& dataDir) {
    return DataPaths{dataDir, dataDir + QStringLiteral("\\Scripts\\Weaponfire"),
                     dataDir + QStringLiteral("\\Weapon"),
                     dataDir + QStringLiteral("\\Scripts\\familylist.lua")};
}

} // namespace wepn
