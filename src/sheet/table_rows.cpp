#include "sheet/table_rows.h"

#include "model/number_text.h"
#include "sheet/cell_check.h"
#include "sheet/delimited_text.h"
#include "sheet/fingerprint.h"
#include "sheet/latin1.h"

namespace wepn {

std::vector<TableColumn> resolvedColumns(const std::vector<std::string>& columns) {
    std::vector<TableColumn> resolved;
    for (std::size_t c = 1; c < columns.size(); ++c) {
        resolved.push_back(*TableColumn::named(columns[c]));
    }
    return resolved;
}

std::string delimitedHeader(const std::vector<std::string>& columns, char delimiter) {
    std::string line;
    for (const std::string& column : columns) {
        line += delimitedCell(column, delimiter);
        line += delimiter;
    }
    return line + std::string(kSourceColumn) + "\n";
}

std::string delimitedRow(std::string_view named, const WeaponState& state,
                         const std::vector<TableColumn>& columns, std::string_view source,
                         char delimiter) {
    const WeaponFamilies families(state);
    std::string line = delimitedCell(markedText(named), delimiter);
    for (const TableColumn& column : columns) {
        line += delimiter;
        const std::string cell = column.cell(state, families);
        line += delimitedCell(column.kind() == CellKind::Text ? markedText(cell) : cell, delimiter);
    }
    line += delimiter;
    line += source;
    return line + "\n";
}

std::vector<SheetCell> workbookHeader(const std::vector<std::string>& columns) {
    std::vector<SheetCell> header;
    for (const std::string& name : columns) {
        header.push_back({name, false});
    }
    header.push_back({std::string(kSourceColumn), false});
    return header;
}

std::vector<SheetCell> workbookRow(std::string_view named, const WeaponState& state,
                                   const std::vector<TableColumn>& columns,
                                   std::string_view source) {
    const WeaponFamilies families(state);
    std::vector<SheetCell> cells{{nameToUtf8(named), false}};
    for (const TableColumn& column : columns) {
        std::string cell = column.cell(state, families);
        const bool number = column.kind() != CellKind::Text && readNumber(cell).has_value();
        cells.push_back({std::move(cell), number});
    }
    cells.push_back({std::string(source), false});
    return cells;
}

} // namespace wepn
