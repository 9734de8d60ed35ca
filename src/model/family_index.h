#pragma once

#include "model/weapon.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace wepn {

/// Where each family of a table is, by its name ignoring case (the first row
/// of a name, as the game's lookups find it). Made once per table, so that
/// matching many names stays linear; valid while the table's names stay.
class FamilyIndex {
  public:
    explicit FamilyIndex(const std::vector<std::string>& families);

    std::optional<std::size_t> find(std::string_view family) const;

  private:
    std::unordered_map<std::string, std::size_t> m_first;
};

/// The indexes of both family tables of a weapon.
struct WeaponFamilies {
    explicit WeaponFamilies(const WeaponState& state)
        : penetration(state.Penetration.sFamilies), accuracy(state.Accuracy.sFamilies) {}

    FamilyIndex penetration;
    FamilyIndex accuracy;
};

} // namespace wepn
