#include "sheet/row_edits.h"

#include "sheet/cell_check.h"
#include "sheet/fingerprint.h"
#include "sheet/weapon_table.h"

namespace wepn {

RowEdits applyRowCells(const TableRow& row, bool marked, LoadOutcome& loaded, bool familyList) {
    RowEdits edits;
    const WeaponFamilies families(loaded.state);
    for (const auto& [column, cell] : row.cells) {
        if (column == kPathColumn || column == kSourceColumn) {
            continue;
        }
        const std::optional<TableColumn> resolved = TableColumn::named(column);
        const std::string before = resolved->cell(loaded.state, families);
        const std::string value = marked ? unmarkedText(cell) : cell;
        if (value == before) {
            continue;
        }
        const auto fail = [&](const std::string& reason) {
            edits.problems.push_back(column + ": " + reason);
        };
        if (std::optional<std::string> problem = cellProblem(resolved->kind(), before, value)) {
            fail(*problem);
            continue;
        }
        if (column == kResultsColumn) {
            fail("the number of impact results cannot be set from a table");
            continue;
        }
        Expected<Edit, std::string> edit = parseEdit(column + "=" + value);
        if (!edit) {
            fail(edit.error());
            continue;
        }
        if (edit->needsFamilyList() && !familyList) {
            fail("needs --data DIR: the families come from its family list");
            continue;
        }
        Expected<EditChange, std::string> change =
            applyEdit(*edit, loaded.state, loaded.rows, families);
        if (!change) {
            fail(change.error());
        } else if (change->before != change->after) {
            edits.changes.push_back(std::move(change.value()));
        }
    }
    return edits;
}

} // namespace wepn
