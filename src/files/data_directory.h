#pragma once

#include <string>
#include <string_view>

namespace wepn::data_directory {

/// What the program reads from a data directory, relative to it, with "/".
inline constexpr std::string_view kFamilyList = "Scripts/familylist.lua";
inline constexpr std::string_view kWeaponfire = "Scripts/Weaponfire";

/// `relative` under a data directory given as the user wrote it (native or in
/// the Windows form), joined in the Windows form: the whole path is then
/// mapped where it is used, and its components found ignoring letter case.
inline std::string windowsFormUnder(std::string_view dataDir, std::string_view relative) {
    std::string path(dataDir);
    path += '\\';
    for (char c : relative) {
        path += c == '/' ? '\\' : c;
    }
    return path;
}

inline std::string familyListIn(std::string_view dataDir) {
    return windowsFormUnder(dataDir, kFamilyList);
}
inline std::string weaponfireIn(std::string_view dataDir) {
    return windowsFormUnder(dataDir, kWeaponfire);
}

} // namespace wepn::data_directory
