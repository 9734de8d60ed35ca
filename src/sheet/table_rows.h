#pragma once

#include "model/weapon.h"
#include "sheet/weapon_table.h"
#include "sheet/xlsx_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// The rows of a weapon table as `wepn table` writes them, for the command and
// the window's export alike: the path as the table names it, the columns'
// cells, then the file's fingerprint.

// The columns after the path, each read once for many rows.
std::vector<TableColumn> resolvedColumns(const std::vector<std::string>& columns);

// The header line of delimited text: the columns, then "source".
std::string delimitedHeader(const std::vector<std::string>& columns, char delimiter);

// One weapon's line of delimited text, texts that would start a formula marked.
std::string delimitedRow(std::string_view named, const WeaponState& state,
                         const std::vector<TableColumn>& columns, std::string_view source,
                         char delimiter);

// The header row of a workbook.
std::vector<SheetCell> workbookHeader(const std::vector<std::string>& columns);

// One weapon's row of a workbook: numbers as numbers, all else as text.
std::vector<SheetCell> workbookRow(std::string_view named, const WeaponState& state,
                                   const std::vector<TableColumn>& columns,
                                   std::string_view source);

} // namespace wepn
