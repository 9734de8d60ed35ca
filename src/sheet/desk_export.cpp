#include "sheet/desk_export.h"

#include "sheet/cell_check.h"
#include "sheet/fingerprint.h"
#include "sheet/row_edits.h"
#include "sheet/table_rows.h"
#include "sheet/table_targets.h"
#include "sheet/weapon_table.h"
#include "sheet/xlsx_table.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace wepn {
namespace {

std::vector<const DeskWeapon*> loadedOnly(const std::vector<const DeskWeapon*>& weapons) {
    std::vector<const DeskWeapon*> loaded;
    std::copy_if(weapons.begin(), weapons.end(), std::back_inserter(loaded),
                 [](const DeskWeapon* weapon) { return !weapon->failed(); });
    return loaded;
}

std::vector<std::string> columnsOf(const std::vector<const DeskWeapon*>& weapons) {
    std::vector<const WeaponState*> states;
    for (const DeskWeapon* weapon : weapons) {
        states.push_back(&weapon->state);
    }
    return tableColumns(states);
}

std::string canonical(const std::string& file) {
    std::error_code ec;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(file, ec);
    return ec ? file : resolved.string();
}

} // namespace

std::string deskDelimitedBytes(const std::vector<const DeskWeapon*>& weapons, char delimiter) {
    const std::vector<const DeskWeapon*> rows = loadedOnly(weapons);
    const std::vector<std::string> columns = columnsOf(rows);
    const std::vector<TableColumn> cells = resolvedColumns(columns);
    std::string text = delimitedHeader(columns, delimiter);
    for (const DeskWeapon* weapon : rows) {
        text += delimitedRow(weapon->named, weapon->state, cells, weapon->source, delimiter);
    }
    return text;
}

std::optional<std::string> deskXlsxBytes(const std::vector<const DeskWeapon*>& weapons,
                                         std::string& bytes) {
    const std::vector<const DeskWeapon*> rows = loadedOnly(weapons);
    const std::vector<std::string> columns = columnsOf(rows);
    const std::vector<TableColumn> cells = resolvedColumns(columns);
    std::vector<std::vector<SheetCell>> sheet{workbookHeader(columns)};
    for (const DeskWeapon* weapon : rows) {
        sheet.push_back(workbookRow(weapon->named, weapon->state, cells, weapon->source));
    }
    return xlsxBytes(sheet, bytes);
}

std::vector<ImportPreviewRow> importTablePreview(const TableFile& table,
                                                 const std::vector<DeskWeapon>& weapons,
                                                 const std::string& folder, bool familyList) {
    std::vector<ImportPreviewRow> preview;
    const Expected<TableRoot, std::string> root = TableRoot::at(folder);
    if (!root) {
        preview.push_back({0, folder, std::nullopt, {}, {}, {root.error()}});
        return preview;
    }
    std::map<std::string, std::size_t> onDesk;
    for (std::size_t i = 0; i < weapons.size(); ++i) {
        onDesk.emplace(canonical(weapons[i].file), i);
    }
    const bool fingerprinted =
        std::find(table.columns.begin(), table.columns.end(), kSourceColumn) != table.columns.end();
    for (const RowTarget& target : rowTargets(table, *root)) {
        ImportPreviewRow& row = preview.emplace_back();
        row.line = target.row->line;
        const std::string* path = cellOf(*target.row, kPathColumn);
        row.shown = path != nullptr ? *path : target.shown;
        if (!target.problem.empty()) {
            row.problems.push_back(target.problem);
            continue;
        }
        const auto found = onDesk.find(target.file.string());
        if (found == onDesk.end()) {
            row.problems.push_back("'" + row.shown + "' is not on the desk");
            continue;
        }
        const DeskWeapon& weapon = weapons[found->second];
        row.weapon = found->second;
        row.shown = weapon.named;
        if (weapon.failed()) {
            row.problems.push_back("'" + row.shown + "' did not load");
            continue;
        }
        const std::string* source = cellOf(*target.row, kSourceColumn);
        if (fingerprinted && (source == nullptr || *source != weapon.source)) {
            row.problems.push_back("'" + row.shown +
                                   "' changed after the table was made: make a new table");
            continue;
        }
        LoadOutcome edited = weapon.loaded;
        edited.state = weapon.state;
        edited.rows = weapon.rows;
        const WeaponState before = edited.state;
        RowEdits edits = applyRowCells(*target.row, table.marked, edited, familyList);
        for (std::string& problem : edits.problems) {
            row.problems.push_back("'" + row.shown + "': " + std::move(problem));
        }
        if (!row.problems.empty()) {
            continue;
        }
        row.changes = std::move(edits.changes);
        // The cells the changes came from, as the desk sets them.
        const WeaponFamilies families(before);
        for (const auto& [column, cell] : target.row->cells) {
            if (column == kPathColumn || column == kSourceColumn) {
                continue;
            }
            const std::optional<TableColumn> resolved = TableColumn::named(column);
            const std::string value = table.marked ? unmarkedText(cell) : cell;
            if (resolved && resolved->cell(before, families) != value) {
                row.cells.emplace_back(column, value);
            }
        }
    }
    return preview;
}

} // namespace wepn
