#pragma once

#include "model/expected.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// One cell of a spreadsheet table: UTF-8 text, stored as a number when
/// `number` is set (the text is then number text).
struct SheetCell {
    std::string text;
    bool number = false;
};

/// The bytes of an XLSX workbook holding the rows on one sheet, the first row
/// a bold, frozen header. Numbers are number cells, everything else text
/// cells formatted as text, so that no spreadsheet turns them into numbers,
/// dates or formulas; columns are as wide as their longest cell. Returns the
/// reason when the workbook cannot be made.
std::optional<std::string> xlsxBytes(const std::vector<std::vector<SheetCell>>& rows,
                                     std::string& bytes);

/// One row read from a sheet: its 1-based number and the cells from column A,
/// absent cells empty. Numbers come as number text, booleans as 1 or 0,
/// formulas as their last computed value.
struct SheetRow {
    std::size_t number = 0;
    std::vector<std::string> cells;
};

/// True when the bytes start as a ZIP archive (and so an XLSX workbook) does.
bool looksLikeXlsx(std::string_view bytes);

/// Reads the first sheet of an XLSX workbook. Fails with a reason naming the
/// part or the cell on a damaged workbook or a cell holding an error value.
Expected<std::vector<SheetRow>, std::string> readXlsx(std::string_view bytes);

} // namespace wepn
