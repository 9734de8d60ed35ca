#include "sheet/table_file.h"

#include "model/number_text.h"
#include "sheet/delimited_text.h"
#include "sheet/xlsx_table.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace wepn {
namespace {

std::optional<std::string> checkColumns(const std::vector<std::string>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (std::find(columns.begin(), columns.begin() + i, columns[i]) != columns.begin() + i) {
            return "the column '" + columns[i] + "' is named twice";
        }
    }
    return std::nullopt;
}

// A cell's text: strings as they are, numbers as `wepn table` writes them.
std::string jsonCell(const nlohmann::json& value) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (value.is_number_float()) {
        return numberText(value.get<double>());
    }
    return value.dump();
}

Expected<TableFile, std::string> readJsonTable(std::string_view text) {
    // A key named twice in one object would silently keep only its last value.
    std::vector<std::vector<std::string>> keys;
    std::size_t objects = 0;
    std::string twice;
    const auto check = [&](int, nlohmann::json::parse_event_t event, nlohmann::json& parsed) {
        using Event = nlohmann::json::parse_event_t;
        if (event == Event::object_start) {
            keys.emplace_back();
            objects += keys.size() == 1 ? 1 : 0;
        } else if (event == Event::object_end && !keys.empty()) {
            keys.pop_back();
        } else if (event == Event::key && !keys.empty() && twice.empty()) {
            const std::string key = parsed.get<std::string>();
            if (std::find(keys.back().begin(), keys.back().end(), key) != keys.back().end()) {
                twice =
                    "object " + std::to_string(objects) + ": the key '" + key + "' is named twice";
            }
            keys.back().push_back(key);
        }
        return true;
    };
    const nlohmann::json json = nlohmann::json::parse(text, check, false);
    if (!twice.empty()) {
        return twice;
    }
    if (json.is_discarded() || !json.is_array()) {
        return std::string("not a JSON array of objects");
    }
    TableFile table;
    table.json = true;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (!json[i].is_object()) {
            return "object " + std::to_string(i + 1) + ": not an object";
        }
        TableRow row{i + 1, {}};
        for (const auto& [key, value] : json[i].items()) {
            if (std::find(table.columns.begin(), table.columns.end(), key) == table.columns.end()) {
                table.columns.push_back(key);
            }
            row.cells.emplace_back(key, jsonCell(value));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

// A table from its records, the first one the header.
Expected<TableFile, std::string> fromRecords(std::vector<DelimitedRecord>& records) {
    if (records.empty()) {
        return std::string("no header row");
    }
    TableFile table;
    table.columns = std::move(records.front().cells);
    if (std::optional<std::string> problem = checkColumns(table.columns)) {
        return "line " + std::to_string(records.front().line) + ": " + *problem;
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        DelimitedRecord& record = records[r];
        if (record.cells.size() > table.columns.size()) {
            return "line " + std::to_string(record.line) + ": " +
                   std::to_string(record.cells.size()) + " cells under a header of " +
                   std::to_string(table.columns.size());
        }
        TableRow row{record.line, {}};
        for (std::size_t c = 0; c < record.cells.size(); ++c) {
            row.cells.emplace_back(table.columns[c], std::move(record.cells[c]));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

Expected<TableFile, std::string> readXlsxTable(std::string_view bytes) {
    Expected<std::vector<SheetRow>, std::string> sheet = readXlsx(bytes);
    if (!sheet) {
        return sheet.error();
    }
    std::vector<DelimitedRecord> records;
    for (SheetRow& row : *sheet) {
        records.push_back({row.number, std::move(row.cells)});
    }
    // Absent cells are empty ones, as a delimited table would show them.
    for (DelimitedRecord& record : records) {
        record.cells.resize(std::max(record.cells.size(), records.front().cells.size()));
    }
    return fromRecords(records);
}

} // namespace

Expected<TableFile, std::string> readTableFile(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start != std::string_view::npos && text[start] == '[') {
        return readJsonTable(text);
    }
    if (looksLikeXlsx(text)) {
        return readXlsxTable(text);
    }
    // Excel's "sep=X" line names the separator; without one a header with
    // tabs is TSV, one with semicolons and no commas is CSV as German
    // spreadsheets write it.
    const std::string_view bare = text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
    const bool sepLine = bare.starts_with("sep=") && bare.size() > 4 && bare[4] != '\r' &&
                         bare[4] != '\n' && bare[4] != '"';
    char delimiter = ',';
    if (sepLine) {
        delimiter = bare[4];
    } else {
        const std::string_view header = bare.substr(0, bare.find_first_of("\r\n"));
        if (header.find('\t') != std::string_view::npos) {
            delimiter = '\t';
        } else if (header.find(';') != std::string_view::npos &&
                   header.find(',') == std::string_view::npos) {
            delimiter = ';';
        }
    }
    DelimitedText read = readDelimited(text, delimiter);
    if (!read.error.empty()) {
        return read.error;
    }
    if (sepLine) {
        read.records.erase(read.records.begin());
    }
    Expected<TableFile, std::string> table = fromRecords(read.records);
    if (table) {
        table->marked = true;
    }
    return table;
}

} // namespace wepn
