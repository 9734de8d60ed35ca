#include "cli/table_command.h"

#include "cli/exit_code.h"
#include "cli/failure.h"
#include "cli/parallel_for.h"
#include "cli/weapon_io.h"
#include "files/path_mapping.h"
#include "model/number_text.h"
#include "sheet/cell_check.h"
#include "sheet/desk_folder.h"
#include "sheet/fingerprint.h"
#include "sheet/latin1.h"
#include "sheet/table_root.h"
#include "sheet/table_rows.h"
#include "sheet/weapon_table.h"
#include "sheet/xlsx_table.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <unordered_set>

namespace wepn {
namespace {

// The files a PATH stands for: a folder's weapon files in listing order, or
// the path itself.
void addFiles(std::vector<std::string>& files, const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) {
        files.push_back(path);
        return;
    }
    std::vector<std::string> named = weaponFileNames(path);
    files.insert(files.end(), std::make_move_iterator(named.begin()),
                 std::make_move_iterator(named.end()));
}

// The columns named by --columns, path first; nothing, or what is wrong with the list.
std::optional<std::string> chosenColumns(const std::string& list,
                                         std::vector<std::string>& columns) {
    columns = {std::string(kPathColumn)};
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        start = comma + 1;
        if (name == kPathColumn || name == kSourceColumn) {
            continue;
        }
        if (name.empty() || !TableColumn::named(name)) {
            return "unknown column '" + name + "'";
        }
        if (std::find(columns.begin(), columns.end(), name) != columns.end()) {
            return "the column '" + name + "' is named twice";
        }
        columns.push_back(name);
    }
    return std::nullopt;
}

struct Row {
    std::string path;
    std::string named;                // the path as the table names it
    std::string source;               // the fingerprint of the file's bytes
    std::optional<WeaponState> state; // without the unrecognised lines, which no column shows
    Failure failure;
    std::vector<LoadWarning> warnings;
    std::string text; // the row as written
};

void load(Row& row, const std::optional<FamilyRows>& familyRows) {
    std::string bytes;
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(row.path, familyRows, bytes);
    row.source = fingerprint(bytes);
    if (!loaded) {
        row.failure = std::move(loaded.error());
        return;
    }
    row.state = std::move(loaded->state);
    row.state->strLines = {};
    row.warnings = std::move(loaded->warnings);
}

// `distinct`: no name is given twice, so each key is appended without a
// search (which would make a row's time grow with the square of its columns).
std::string jsonRow(const Row& row, const std::vector<std::string>& names,
                    const std::vector<TableColumn>& columns, bool distinct) {
    const WeaponFamilies families(*row.state);
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    auto& members = object.get_ref<nlohmann::ordered_json::object_t&>();
    const auto add = [&](const std::string& name, nlohmann::ordered_json value) {
        if (distinct) {
            members.emplace_back(name, std::move(value));
        } else {
            object[name] = std::move(value);
        }
    };
    add(names[0], nameToUtf8(row.named));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        // Numbers as JSON numbers, the whole ones as integers.
        std::string cell = columns[c].cell(*row.state, families);
        const std::optional<double> number = readNumber(cell);
        const CellKind kind = columns[c].kind();
        if (!number || kind == CellKind::Text || kind == CellKind::Other) {
            add(names[c + 1], std::move(cell));
        } else if (kind == CellKind::Integer) {
            add(names[c + 1], static_cast<std::int64_t>(*number));
        } else {
            add(names[c + 1], *number);
        }
    }
    add(std::string(kSourceColumn), row.source);
    return object.dump(2);
}

// Prints what loading the row's file found; false when it failed.
bool reported(const Row& row, std::ostream& err) {
    if (!row.state) {
        printFailure(err, row.path, row.failure);
        return false;
    }
    printWarnings(err, row.path, row.warnings);
    return true;
}

int writeXlsx(const std::vector<Row>& rows, const std::vector<std::string>& names,
              const std::vector<TableColumn>& columns, std::ostream& out, std::ostream& err) {
    std::vector<std::vector<SheetCell>> sheet{workbookHeader(names)};
    int code = kExitOk;
    for (const Row& row : rows) {
        if (!reported(row, err)) {
            code = kExitFileFailed;
            continue;
        }
        sheet.push_back(workbookRow(row.named, *row.state, columns, row.source));
    }
    std::string bytes;
    if (std::optional<std::string> error = xlsxBytes(sheet, bytes)) {
        printToolError(err, "table: " + *error);
        return kExitFileFailed;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return code;
}

} // namespace

CLI::App* TableCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("table", "Print weapons side by side, one row each");
    addDataOption(sub, "Data directory: one column per family of its family list");
    sub->add_option("--columns", m_columns,
                    "Comma-separated columns to print after the path (default: all)")
        ->type_name("LIST");
    sub->add_option(
           "--format", m_format,
           "csv (default), tsv, json or xlsx (for spreadsheets: keeps numbers and texts apart)")
        ->check(CLI::IsMember({"csv", "tsv", "json", "xlsx"}))
        ->type_name("FORMAT");
    sub->add_option("PATH", m_paths, "Weapon scripts (.wepn) or folders holding them")
        ->required()
        ->type_name("");
    return sub;
}

int TableCommand::execute(std::ostream& out, std::ostream& err) {
    std::vector<std::string> columns;
    if (!m_columns.empty()) {
        if (std::optional<std::string> problem = chosenColumns(m_columns, columns)) {
            printToolError(err, "table: --columns: " + *problem);
            return kExitUsage;
        }
    }
    if (!readFamilyRows(err)) {
        return kExitFileFailed;
    }
    // Paths relative to the folder `apply` edits in: the data directory, or
    // the folder the table is written in.
    const Expected<TableRoot, std::string> root =
        TableRoot::at(m_dataDir ? toNativePath(*m_dataDir) : ".");
    if (!root) {
        printToolError(err, "table: --data: " + root.error());
        return kExitFileFailed;
    }
    std::vector<Row> rows;
    for (const std::string& path : m_paths) {
        std::vector<std::string> files;
        addFiles(files, path);
        for (std::string& file : files) {
            Row row;
            row.named = root->named(file);
            row.path = std::move(file);
            rows.push_back(std::move(row));
        }
    }
    // Loading and formatting dominate: both run over the cores, writing stays in order.
    parallelFor(rows.size(), [&](std::size_t r) { load(rows[r], m_rows); });
    if (m_columns.empty()) {
        std::vector<const WeaponState*> weapons;
        for (const Row& row : rows) {
            if (row.state) {
                weapons.push_back(&*row.state);
            }
        }
        columns = tableColumns(weapons);
    }
    const std::vector<TableColumn> cells = resolvedColumns(columns);
    if (m_format == "xlsx") {
        return writeXlsx(rows, columns, cells, out, err);
    }
    const bool json = m_format == "json";
    const bool distinct =
        std::unordered_set<std::string>(columns.begin(), columns.end()).size() == columns.size();
    const char delimiter = m_format == "tsv" ? '\t' : ',';
    parallelFor(rows.size(), [&](std::size_t r) {
        if (rows[r].state) {
            rows[r].text = json ? jsonRow(rows[r], columns, cells, distinct)
                                : delimitedRow(rows[r].named, *rows[r].state, cells, rows[r].source,
                                               delimiter);
        }
    });
    int code = kExitOk;
    if (json) {
        out << '[';
    } else {
        out << delimitedHeader(columns, delimiter);
    }
    bool first = true;
    for (const Row& row : rows) {
        if (!reported(row, err)) {
            code = kExitFileFailed;
            continue;
        }
        if (json) {
            out << (first ? "\n" : ",\n") << row.text;
        } else {
            out << row.text;
        }
        first = false;
    }
    if (json) {
        out << (first ? "]\n" : "\n]\n");
    }
    return code;
}

} // namespace wepn
