#pragma once

// Small weapon scripts for the model tests.

#include <string>
#include <vector>

namespace wepn::test {

// Arguments 1 to 25 of a valid bullet weapon.
inline const std::string kConfigArguments =
    "\"Fixed\",\"Bullet\",\"slug\",\"Normal\",2500,3000,0,0,0,0,1,1,1,0.25,1,2,1,0,0,0,1,"
    "\"Normal\",0,0,100000";

inline std::string configLine(const std::string& arguments = kConfigArguments) {
    return "StartWeaponConfig(NewWeaponType," + arguments + ")";
}

// Joins lines with CR LF after each.
inline std::string script(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

} // namespace wepn::test
