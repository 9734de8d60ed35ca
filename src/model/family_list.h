#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// Row texts of the two family lists: `armour` (penetration table keys) and
/// `attack` (accuracy table keys), each "Name - N" until a weapon is loaded.
struct FamilyRows {
    std::vector<std::string> armour;
    std::vector<std::string> attack;

    bool operator==(const FamilyRows&) const = default;
};

/// Reads the armour block ("armourfamily" .. "unitcapsfamily") and the attack
/// block ("attackfamily" .. "dockfamily") of a family list. A missing start
/// marker or an unterminated block keeps the rows found so far; an entry line
/// without a double quote adds no row.
FamilyRows readFamilyList(std::string_view bytes);

} // namespace wepn
