#pragma once

#include <QString>
#include <optional>
#include <string>

namespace wepn {

// The data directory and the paths derived from it at start-up. The setting
// keeps the directory as the user typed it; it is made native once, here, and
// the derived paths are built from that native directory with "/". They are
// not recomputed when the data directory changes while the program runs.
struct DataPaths {
    QString strDataDir;
    std::string nativeDataDir;
    std::string strWFDir;
    std::string strWEPNDir;
    std::string strFLFile;

    static DataPaths derivedFrom(const QString& dataDir);
    static DataPaths derivedFromNative(const std::string& nativeDataDir);
};

// The data directory a weapon lies in: the folder above its "Weapon" folder,
// when that holds "Scripts/familylist.lua"; nothing otherwise.
std::optional<std::string> dataDirectoryHolding(const std::string& nativeWeapon);

} // namespace wepn
