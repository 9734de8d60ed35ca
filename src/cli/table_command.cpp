#include "cli/table_command.h"

#include "cli/delimited_text.h"
#include "cli/exit_code.h"
#include "cli/weapon_io.h"
#include "cli/weapon_table.h"
#include "files/directory_listing.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <nlohmann/json.hpp>

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
    WeaponState state;
};

void writeDelimited(std::ostream& out, const std::vector<std::string>& columns,
                    const std::vector<Row>& rows, char delimiter) {
    const auto line = [&](const auto& cellAt) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            out << (c == 0 ? "" : std::string(1, delimiter)) << delimitedCell(cellAt(c), delimiter);
        }
        out << "\r\n";
    };
    line([&](std::size_t c) { return columns[c]; });
    for (const Row& row : rows) {
        line([&](std::size_t c) { return c == 0 ? row.path : *tableCell(row.state, columns[c]); });
    }
}

void writeJson(std::ostream& out, const std::vector<std::string>& columns,
               const std::vector<Row>& rows) {
    nlohmann::ordered_json table = nlohmann::ordered_json::array();
    for (const Row& row : rows) {
        nlohmann::ordered_json object;
        object[columns[0]] = row.path;
        for (std::size_t c = 1; c < columns.size(); ++c) {
            object[columns[c]] = *tableCell(row.state, columns[c]);
        }
        table.push_back(std::move(object));
    }
    out << table.dump(2) << '\n';
}

} // namespace

CLI::App* TableCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("table", "Print weapons side by side, one row each");
    sub->add_option("--data", m_dataDir,
                    "Data directory: one column per family of its family list");
    sub->add_option("--columns", m_columns,
                    "Comma-separated columns to print after the path (default: all)");
    sub->add_option("--format", m_format, "csv (default), tsv or json")
        ->check(CLI::IsMember({"csv", "tsv", "json"}));
    sub->add_option("PATH", m_paths, "Weapon scripts (.wepn) or folders holding them")->required();
    return sub;
}

int TableCommand::execute(std::ostream& out, std::ostream& err) {
    std::vector<std::string> columns;
    if (!m_columns.empty()) {
        if (std::optional<std::string> unknown = chosenColumns(m_columns, columns)) {
            err << "table: --columns: unknown column '" << *unknown << "'\n";
            return kExitUsage;
        }
    }
    Expected<std::optional<FamilyRows>, std::string> familyRows = readOptionalFamilyRows(m_dataDir);
    if (!familyRows) {
        err << familyRows.error() << '\n';
        return kExitFileFailed;
    }
    std::vector<std::string> files;
    for (const std::string& path : m_paths) {
        addFiles(files, path);
    }
    int code = kExitOk;
    std::vector<Row> rows;
    for (const std::string& file : files) {
        Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, familyRows.value());
        if (!loaded) {
            printFailure(err, file, loaded.error());
            code = kExitFileFailed;
            continue;
        }
        printWarnings(err, file, loaded->warnings);
        rows.push_back({file, std::move(loaded->state)});
    }
    if (m_columns.empty()) {
        std::vector<const WeaponState*> weapons;
        for (const Row& row : rows) {
            weapons.push_back(&row.state);
        }
        columns = tableColumns(weapons);
    }
    if (m_format == "json") {
        writeJson(out, columns, rows);
    } else {
        writeDelimited(out, columns, rows, m_format == "tsv" ? '\t' : ',');
    }
    return code;
}

} // namespace wepn
