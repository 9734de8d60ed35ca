#pragma once

#include "model/expected.h"
#include "sheet/desk_weapon.h"
#include "sheet/edit.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// What the desk does to one column of many weapons.
enum class BulkOperation {
    Set,   ///< any value the field accepts (a choice by index or text, as `wepn set`)
    Scale, ///< by a percentage: "10" multiplies by 1.1, "-25" by 0.75
    Add,   ///< a number
};

/// One weapon's part of a bulk edit: its cell before and after, as the
/// window shows them, or why the weapon refuses the edit (`after` is empty
/// then, `before` too for a failed row or an unknown column).
struct BulkChange {
    std::size_t index; ///< into the weapons the plan was made for
    std::string before, after;
    std::string problem; ///< empty when the weapon takes the edit
};

/// What the operation would do to each weapon's cell of `column`, changing
/// nothing: the plan to preview, then to apply with setDeskCell(`after`).
/// Refused are failed rows, values the field cannot hold, families the
/// weapon's table lacks, fractions in whole-number fields and operands that
/// are not numbers, through the edits of `wepn set`.
std::vector<BulkChange> planBulkEdit(const std::vector<DeskWeapon*>& weapons,
                                     std::string_view column, BulkOperation op,
                                     std::string_view operand);

/// Sets one cell as typed (UTF-8, as the window shows it), keeping the family
/// rows in step. Setting a cell back to the text it had when loaded restores
/// the loaded value exactly, so undo leaves no trace. Refuses failed rows,
/// the results column and what `wepn set` refuses, changing nothing.
Expected<EditChange, std::string> setDeskCell(DeskWeapon& weapon, std::string_view column,
                                              std::string_view value);

} // namespace wepn
