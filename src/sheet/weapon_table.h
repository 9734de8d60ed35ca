#pragma once

#include "model/family_index.h"
#include "model/fields.h"
#include "model/weapon.h"
#include "sheet/cell_check.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// The columns `wepn table` writes and `wepn apply` reads back.
inline constexpr std::string_view kPathColumn = "path";
inline constexpr std::string_view kResultsColumn = "results";
// The family columns: penetration.FAMILY, accuracy.FAMILY, accuracy.FAMILY.damage.
inline constexpr std::string_view kPenetrationPrefix = "penetration.";
inline constexpr std::string_view kAccuracyPrefix = "accuracy.";
inline constexpr std::string_view kDamageSuffix = ".damage";

// The columns for a set of loaded weapons: the path, the StartWeaponConfig
// fields, the number of impact results, then penetration.FAMILY for every
// armour family and accuracy.FAMILY and accuracy.FAMILY.damage for every
// attack family the weapons name (ignoring case, first spelling kept).
std::vector<std::string> tableColumns(const std::vector<const WeaponState*>& weapons);

// A column other than the path, its name read once for many rows.
class TableColumn {
  public:
    // Nothing for a name that is no column.
    static std::optional<TableColumn> named(std::string_view column);

    // The weapon's cell in UTF-8: a field as the window shows it, the number of
    // results, a table value as number text; empty for a family the weapon's
    // table lacks. The indexes are the weapon's, made once for its cells.
    std::string cell(const WeaponState& state, const WeaponFamilies& families) const;

    // What the column's cells hold, for the checks of a changed cell.
    CellKind kind() const;

  private:
    enum class Kind { Field, Results, Penetration, Accuracy, AccuracyDamage };

    Kind m_kind = Kind::Results;
    const ScalarField* m_field = nullptr;
    std::string m_family; // Latin-1, in lower case
};

} // namespace wepn
