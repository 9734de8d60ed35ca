#include "cli/table_file.h"

#include "cli/delimited_text.h"

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

Expected<TableFile, std::string> readJsonTable(std::string_view text) {
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
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
            row.cells.emplace_back(key,
                                   value.is_string() ? value.get<std::string>() : value.dump());
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace

Expected<TableFile, std::string> readTableFile(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start != std::string_view::npos && text[start] == '[') {
        return readJsonTable(text);
    }
    const std::size_t headerEnd = text.find_first_of("\r\n");
    const char delimiter =
        text.substr(0, headerEnd).find('\t') != std::string_view::npos ? '\t' : ',';
    DelimitedText read = readDelimited(text, delimiter);
    if (!read.error.empty()) {
        return read.error;
    }
    if (read.records.empty()) {
        return std::string("no header row");
    }
    TableFile table;
    table.columns = std::move(read.records.front().cells);
    if (std::optional<std::string> problem = checkColumns(table.columns)) {
        return "line " + std::to_string(read.records.front().line) + ": " + *problem;
    }
    for (std::size_t r = 1; r < read.records.size(); ++r) {
        DelimitedRecord& record = read.records[r];
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

} // namespace wepn
