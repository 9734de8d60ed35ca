#pragma once

#include "model/expected.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wepn {

// One row of a weapon table read back: where it is, for messages, and its
// cells as (column, value) in UTF-8.
struct TableRow {
    std::size_t line = 0; // the line for CSV and TSV, the 1-based object for JSON
    std::vector<std::pair<std::string, std::string>> cells;
};

struct TableFile {
    std::vector<std::string> columns;
    std::vector<TableRow> rows;
    bool json = false;   // rows are numbered by object, not by line
    bool marked = false; // delimited text: texts may carry the leading "'" of markedText()
};

// Reads a table as `wepn table` writes it: XLSX by its signature, JSON (an
// array of objects) when the
// text starts with '[', delimited text otherwise: by the separator a first
// "sep=X" line names, else TSV when the header holds a tab, ';' when it holds
// semicolons and no comma, CSV otherwise. Fails
// with a reason naming the line on malformed text, a row with more cells than
// the header or a column named twice.
Expected<TableFile, std::string> readTableFile(std::string_view text);

} // namespace wepn
