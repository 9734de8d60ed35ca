#pragma once

#include "model/load.h"
#include "sheet/edit.h"
#include "sheet/table_file.h"

#include <string>
#include <vector>

namespace wepn {

// What a table row does to its loaded weapon: the changes made, or why
// cells were refused ("COLUMN: reason", in UTF-8).
struct RowEdits {
    std::vector<EditChange> changes;
    std::vector<std::string> problems;
};

// Applies every cell of the row (but the path and the fingerprint) that
// differs from the weapon's value, as `wepn set` would, after checking that
// it means what its author saw. In a `marked` table a text's leading "'"
// that `wepn table` added is taken off first. `familyList`: whether the rows
// come from a family list, which family columns need.
RowEdits applyRowCells(const TableRow& row, bool marked, LoadOutcome& loaded, bool familyList);

} // namespace wepn
