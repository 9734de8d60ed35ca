#pragma once

#include "model/expected.h"
#include "model/fields.h"
#include "sheet/desk_weapon.h"
#include "sheet/weapon_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// The desk's filter line: blank-separated terms that must all hold. A term
/// is a condition COLUMN OP VALUE (OP one of = != < <= > >=, blanks around it
/// optional; COLUMN a table column, `path`, `problems` (their number, or with
/// = and != a text they hold) or `changed` (1 or 0, yes or no)) or a word
/// that the path, a text cell, the failure or a problem holds. Numbers are
/// compared as numbers when both sides read as numbers; texts ignoring
/// Latin-1 case; `=` also matches a choice by its text where the cell shows
/// its index.
class RowFilter {
  public:
    /// Refuses an unknown column, an unknown operator or one without a value,
    /// naming the term and the fix.
    static Expected<RowFilter, std::string> parse(std::string_view text);

    bool matches(const DeskWeapon& weapon) const;

  private:
    enum class Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };
    enum class Subject { Column, Path, Problems, Changed };

    struct Condition {
        Subject subject = Subject::Column;
        std::optional<TableColumn> column;
        Op op = Op::Equal;
        std::string value;            // Latin-1
        std::optional<double> number; // the value, when it reads as one
    };

    static std::optional<std::string> addCondition(RowFilter& filter, std::string_view term,
                                                   std::string_view column, std::string_view rest);
    bool holds(const Condition& condition, const DeskWeapon& weapon,
               const std::optional<WeaponFamilies>& families) const;
    bool holdsWord(const std::string& word, const DeskWeapon& weapon) const;

    std::vector<Condition> m_conditions;
    std::vector<std::string> m_words; // Latin-1
    bool m_familyColumns = false;     // a condition needs the weapons' family indexes
};

} // namespace wepn
