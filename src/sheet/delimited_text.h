#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// One record of a delimited table and the 1-based line it starts on.
struct DelimitedRecord {
    std::size_t line = 0;
    std::vector<std::string> cells;
};

// A cell as RFC 4180 writes it: quoted when it holds the delimiter, a double
// quote, CR or LF (quotes doubled inside), otherwise as it is.
std::string delimitedCell(std::string_view cell, char delimiter);

// Reads RFC 4180 text with the given delimiter (',' for CSV, '\t' for TSV):
// quoted cells may hold delimiters, doubled quotes and line breaks; records
// end at CR LF, LF or CR. A leading UTF-8 byte order mark and blank lines are
// skipped. Fails with a reason naming the line of an unterminated quote or a
// stray character after a closing quote.
struct DelimitedText {
    std::vector<DelimitedRecord> records;
    std::string error; // empty on success
};
DelimitedText readDelimited(std::string_view text, char delimiter);

} // namespace wepn
