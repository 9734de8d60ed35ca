#include "sheet/delimited_text.h"

namespace wepn {

std::string delimitedCell(std::string_view cell, char delimiter) {
    if (cell.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string_view::npos) {
        return std::string(cell);
    }
    std::string quoted = "\"";
    for (char c : cell) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

DelimitedText readDelimited(std::string_view text, char delimiter) {
    DelimitedText table;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::size_t line = 1;
    std::size_t i = 0;
    // Consumes a line end at i (CR LF, LF or CR); true when there was one.
    const auto lineEnd = [&] {
        if (i < text.size() && (text[i] == '\r' || text[i] == '\n')) {
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            ++line;
            return true;
        }
        return false;
    };
    while (i < text.size()) {
        if (lineEnd()) {
            continue; // a blank line holds no record
        }
        DelimitedRecord record{line, {}};
        while (true) {
            std::string cell;
            if (i < text.size() && text[i] == '"') {
                const std::size_t opened = line;
                ++i;
                while (true) {
                    if (i >= text.size()) {
                        table.error =
                            "line " + std::to_string(opened) + ": a quoted cell is not closed";
                        return table;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            cell += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n' || (text[i] == '\r' && text.compare(i, 2, "\r\n") != 0)) {
                        ++line;
                    }
                    cell += text[i++];
                }
                if (i < text.size() && text[i] != delimiter && text[i] != '\r' && text[i] != '\n') {
                    table.error = "line " + std::to_string(line) +
                                  ": text follows a closing quote (a quote inside a quoted cell "
                                  "is written twice)";
                    return table;
                }
            } else {
                while (i < text.size() && text[i] != delimiter && text[i] != '\r' &&
                       text[i] != '\n') {
                    cell += text[i++];
                }
            }
            record.cells.push_back(std::move(cell));
            if (i < text.size() && text[i] == delimiter) {
                ++i;
                continue;
            }
            lineEnd();
            break;
        }
        table.records.push_back(std::move(record));
    }
    return table;
}

} // namespace wepn
