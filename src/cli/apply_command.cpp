#include "cli/apply_command.h"

#include "cli/exit_code.h"
#include "cli/failure.h"
#include "cli/weapon_io.h"
#include "cli/weapon_table.h"
#include "files/file_identity.h"
#include "files/file_io.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace wepn {
namespace {

constexpr std::size_t kMaxTableBytes = 256 * 1024 * 1024;

std::optional<std::string> unknownColumn(const std::vector<std::string>& columns) {
    for (const std::string& column : columns) {
        if (column != kPathColumn && !tableCell(WeaponState{}, column)) {
            return column;
        }
    }
    return std::nullopt;
}

const std::string* cellOf(const TableRow& row, std::string_view column) {
    for (const auto& [name, value] : row.cells) {
        if (name == column) {
            return &value;
        }
    }
    return nullptr;
}

} // namespace

CLI::App* ApplyCommand::addTo(CLI::App& app) {
    CLI::App* sub =
        app.add_subcommand("apply", "Write back the cells of a weapon table that were changed");
    sub->add_option("--data", m_dataDir,
                    "Data directory holding " + familyListPath() + " (needed for table edits)")
        ->type_name("DIR");
    sub->add_flag("--drop-later-tables", m_dropLaterTables,
                  "Remove the later statements of an edited table that the file sets twice "
                  "(without it such an edit fails the file: the game would not receive it)");
    sub->add_flag("--dry-run", m_dryRun, "Print what would change and write nothing");
    sub->add_option("TABLE", m_table, "A table as `wepn table` writes it (CSV, TSV or JSON)")
        ->required()
        ->type_name("");
    return sub;
}

int ApplyCommand::execute(std::ostream& out, std::ostream& err) {
    const ReadResult read = readFileBytes(m_table, kMaxTableBytes);
    if (!read.ok()) {
        printFailure(err, m_table, Failure{0, *read.error});
        return kExitFileFailed;
    }
    Expected<TableFile, std::string> table = readTableFile(read.bytes);
    if (!table) {
        printFailure(err, m_table, Failure{0, table.error()});
        return kExitFileFailed;
    }
    if (std::find(table->columns.begin(), table->columns.end(), kPathColumn) ==
        table->columns.end()) {
        printFailure(err, m_table, Failure{0, "no 'path' column: it names each row's file"});
        return kExitFileFailed;
    }
    if (std::optional<std::string> unknown = unknownColumn(table->columns)) {
        printFailure(err, m_table, Failure{0, "unknown column '" + *unknown + "'"});
        return kExitFileFailed;
    }
    Expected<std::optional<FamilyRows>, std::string> familyRows = readOptionalFamilyRows(m_dataDir);
    if (!familyRows) {
        printToolError(err, familyRows.error());
        return kExitFileFailed;
    }
    // Files are told apart by identity before any is written: a replaced file
    // gets a new inode.
    std::vector<std::optional<FileIdentity>> identities;
    for (const TableRow& row : table->rows) {
        const std::string* path = cellOf(row, kPathColumn);
        identities.push_back(path == nullptr ? std::nullopt : fileIdentity(*path));
    }
    int code = kExitOk;
    const auto where = [&](std::size_t r) {
        return (table->json ? "object " : "line ") + std::to_string(table->rows[r].line) + " of " +
               m_table;
    };
    for (std::size_t r = 0; r < table->rows.size(); ++r) {
        const TableRow& row = table->rows[r];
        const std::string* path = cellOf(row, kPathColumn);
        if (path == nullptr || path->empty()) {
            printFailure(err, m_table, Failure{row.line, "the row names no file"});
            code = kExitFileFailed;
            continue;
        }
        const auto same = std::find(identities.begin(), identities.begin() + r, identities[r]);
        if (identities[r] && same != identities.begin() + r) {
            printFailure(err, *path,
                         Failure{0, where(r) + ": the same file as " +
                                        where(same - identities.begin()) +
                                        "; the row is left out"});
            code = kExitFileFailed;
            continue;
        }
        if (!applyRow(*path, row, where(r), familyRows.value(), out, err)) {
            code = kExitFileFailed;
        }
    }
    return code;
}

bool ApplyCommand::applyRow(const std::string& file, const TableRow& row, const std::string& where,
                            const std::optional<FamilyRows>& rows, std::ostream& out,
                            std::ostream& err) const {
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, rows);
    if (!loaded) {
        printFailure(err, file, loaded.error());
        return false;
    }
    printWarnings(err, file, loaded->warnings);
    WeaponState& state = loaded->state;
    const PenetrationSet penetration = state.Penetration;
    const AccuracySet accuracy = state.Accuracy;
    std::vector<EditChange> changes;
    bool failed = false;
    const auto fail = [&](const std::string& message) {
        printFailure(err, file, Failure{0, where + ": " + message});
        failed = true;
    };
    for (const auto& [column, value] : row.cells) {
        if (column == kPathColumn || *tableCell(state, column) == value) {
            continue;
        }
        const std::string text = column + "=" + value;
        if (column == kResultsColumn) {
            fail("'" + text + "': the number of impact results cannot be set from a table");
            continue;
        }
        Expected<Edit, std::string> edit = parseEdit(text);
        if (!edit) {
            fail(edit.error());
            continue;
        }
        if (edit->needsFamilyList() && !m_dataDir) {
            fail("'" + text + "' needs --data DIR: the families come from its family list");
            continue;
        }
        Expected<EditChange, std::string> change = applyEdit(*edit, state, loaded->rows);
        if (!change) {
            fail("'" + text + "': " + change.error());
        } else if (change->before != change->after) {
            changes.push_back(std::move(change.value()));
        }
    }
    if (failed) {
        return false;
    }
    if (changes.empty()) {
        return true;
    }
    if (std::optional<Failure> failure = settleLaterTables(
            state, penetration, accuracy, loaded->laterTables, m_dropLaterTables)) {
        printFailure(err, file, *failure);
        return false;
    }
    const Expected<std::string, Failure> saved = savedBytes(state);
    if (!saved) {
        printFailure(err, file, saved.error());
        return false;
    }
    if (!m_dryRun) {
        if (std::optional<Failure> failure = replaceFile(file, *saved)) {
            printFailure(err, file, *failure);
            return false;
        }
    }
    for (const EditChange& change : changes) {
        out << file << ": " << change.name << ' ' << change.before << " -> " << change.after
            << '\n';
    }
    return true;
}

} // namespace wepn
