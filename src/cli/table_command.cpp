#include "cli/table_command.h"

#include "cli/delimited_text.h"
#include "cli/exit_code.h"
#include "cli/failure.h"
#include "cli/latin1.h"
#include "cli/parallel_for.h"
#include "cli/weapon_io.h"
#include "cli/weapon_table.h"
#include "files/directory_listing.h"

#include <CLI/CLI.hpp>
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
    const std::string prefix = path.ends_with('/') ? path : path + "/";
    for (const std::string& name : listNativeDirectory(path, EntryKinds::Files)) {
        if (isWeaponFileName(name)) {
            files.push_back(prefix + name);
        }
    }
}

// The columns named by --columns, path first; nothing names the unknown one.
std::optional<std::string> chosenColumns(const std::string& list,
                                         std::vector<std::string>& columns) {
    columns = {std::string(kPathColumn)};
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        start = comma + 1;
        if (name == kPathColumn) {
            continue;
        }
        if (name.empty() || !tableCell(WeaponState{}, name)) {
            return name;
        }
        columns.push_back(name);
    }
    return std::nullopt;
}

struct Row {
    std::string path;
    std::optional<WeaponState> state; // without the unrecognised lines, which no column shows
    Failure failure;
    std::vector<LoadWarning> warnings;
    std::string text; // the row as written
};

void load(Row& row, const std::optional<FamilyRows>& familyRows) {
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(row.path, familyRows);
    if (!loaded) {
        row.failure = std::move(loaded.error());
        return;
    }
    row.state = std::move(loaded->state);
    row.state->strLines = {};
    row.warnings = std::move(loaded->warnings);
}

std::vector<TableColumn> resolved(const std::vector<std::string>& columns) {
    std::vector<TableColumn> resolved;
    for (std::size_t c = 1; c < columns.size(); ++c) {
        resolved.push_back(*TableColumn::named(columns[c]));
    }
    return resolved;
}

std::string delimitedRow(const std::string& path, const std::vector<TableColumn>& columns,
                         const WeaponState& state, char delimiter) {
    const FamilyIndex index(state);
    std::string line = delimitedCell(path, delimiter);
    for (const TableColumn& column : columns) {
        line += delimiter;
        line += delimitedCell(column.cell(state, index), delimiter);
    }
    return line + "\r\n";
}

// `distinct`: no name is given twice, so each key is appended without a
// search (which would make a row's time grow with the square of its columns).
std::string jsonRow(const std::string& path, const std::vector<std::string>& names,
                    const std::vector<TableColumn>& columns, const WeaponState& state,
                    bool distinct) {
    const FamilyIndex index(state);
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    auto& members = object.get_ref<nlohmann::ordered_json::object_t&>();
    const auto add = [&](const std::string& name, std::string value) {
        if (distinct) {
            members.emplace_back(name, std::move(value));
        } else {
            object[name] = std::move(value);
        }
    };
    add(names[0], nameToUtf8(path));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        add(names[c + 1], columns[c].cell(state, index));
    }
    return object.dump(2);
}

} // namespace

CLI::App* TableCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("table", "Print weapons side by side, one row each");
    sub->add_option("--data", m_dataDir,
                    "Data directory: one column per family of its family list")
        ->type_name("DIR");
    sub->add_option("--columns", m_columns,
                    "Comma-separated columns to print after the path (default: all)")
        ->type_name("LIST");
    sub->add_option("--format", m_format, "csv (default), tsv or json")
        ->check(CLI::IsMember({"csv", "tsv", "json"}))
        ->type_name("FORMAT");
    sub->add_option("PATH", m_paths, "Weapon scripts (.wepn) or folders holding them")
        ->required()
        ->type_name("");
    return sub;
}

int TableCommand::execute(std::ostream& out, std::ostream& err) {
    std::vector<std::string> columns;
    if (!m_columns.empty()) {
        if (std::optional<std::string> unknown = chosenColumns(m_columns, columns)) {
            printToolError(err, "table: --columns: unknown column '" + *unknown + "'");
            return kExitUsage;
        }
    }
    Expected<std::optional<FamilyRows>, std::string> familyRows = readOptionalFamilyRows(m_dataDir);
    if (!familyRows) {
        printToolError(err, familyRows.error());
        return kExitFileFailed;
    }
    std::vector<Row> rows;
    for (const std::string& path : m_paths) {
        std::vector<std::string> files;
        addFiles(files, path);
        for (std::string& file : files) {
            rows.push_back({std::move(file), std::nullopt, {}, {}, {}});
        }
    }
    // Loading and formatting dominate: both run over the cores, writing stays in order.
    parallelFor(rows.size(), [&](std::size_t r) { load(rows[r], familyRows.value()); });
    if (m_columns.empty()) {
        std::vector<const WeaponState*> weapons;
        for (const Row& row : rows) {
            if (row.state) {
                weapons.push_back(&*row.state);
            }
        }
        columns = tableColumns(weapons);
    }
    const std::vector<TableColumn> cells = resolved(columns);
    const bool json = m_format == "json";
    const bool distinct =
        std::unordered_set<std::string>(columns.begin(), columns.end()).size() == columns.size();
    const char delimiter = m_format == "tsv" ? '\t' : ',';
    parallelFor(rows.size(), [&](std::size_t r) {
        if (const std::optional<WeaponState>& state = rows[r].state) {
            rows[r].text = json ? jsonRow(rows[r].path, columns, cells, *state, distinct)
                                : delimitedRow(rows[r].path, cells, *state, delimiter);
        }
    });
    int code = kExitOk;
    if (json) {
        out << '[';
    } else {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            out << (c == 0 ? "" : std::string(1, delimiter))
                << delimitedCell(columns[c], delimiter);
        }
        out << "\r\n";
    }
    bool first = true;
    for (const Row& row : rows) {
        if (!row.state) {
            printFailure(err, row.path, row.failure);
            code = kExitFileFailed;
            continue;
        }
        printWarnings(err, row.path, row.warnings);
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
