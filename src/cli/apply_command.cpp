#include "cli/apply_command.h"

#include "cli/exit_code.h"
#include "cli/failure.h"
#include "cli/save_guard.h"
#include "cli/table_input.h"
#include "cli/weapon_io.h"
#include "files/path_mapping.h"
#include "sheet/cell_check.h"
#include "sheet/fingerprint.h"
#include "sheet/row_edits.h"
#include "sheet/table_targets.h"
#include "sheet/weapon_table.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace wepn {
namespace {

// A failure as a row's problem: the file as the table names it, and the line.
std::string located(const std::string& shown, const Failure& failure) {
    return shown + (failure.line == 0 ? "" : ":" + std::to_string(failure.line)) + ": " +
           failure.message;
}

} // namespace

CLI::App* ApplyCommand::addTo(CLI::App& app) {
    CLI::App* sub =
        app.add_subcommand("apply", "Write back the cells of a weapon table that were changed");
    addDataOption(sub, "Data directory holding " + familyListPath() +
                           " (needed for table edits); rows edit only files under it");
    sub->add_flag("--drop-later-tables", m_dropLaterTables,
                  "Remove the later statements of an edited table that the file sets twice "
                  "(without it such an edit fails the file: the game would not receive it)");
    sub->add_flag("--dry-run", m_dryRun, "Print what would change and write nothing");
    sub->add_flag("--force", m_force,
                  "Apply rows whose file changed after the table was made, and replace files "
                  "without write permission");
    sub->add_flag("--drop-missing-families", m_dropMissing,
                  "Save files whose tables name families the family list lacks, dropping them");
    sub->add_flag("-q,--quiet", m_quiet, "Print nothing about the changes made");
    sub->add_option("TABLE", m_table,
                    "A table as `wepn table` writes it (XLSX, CSV, TSV or JSON; '-': standard "
                    "input)")
        ->required()
        ->type_name("");
    sub->footer("Without --data DIR, rows edit only files under the folder the table lies in.");
    return sub;
}

int ApplyCommand::execute(std::ostream& out, std::ostream& err) {
    Expected<TableFile, Failure> table = readTableInput(m_table);
    if (!table) {
        printFailure(err, m_table, table.error());
        return kExitFileFailed;
    }
    if (!readFamilyRows(err)) {
        return kExitFileFailed;
    }
    const std::filesystem::path folder = m_dataDir ? std::filesystem::path(toNativePath(*m_dataDir))
                                         : m_table == kStandardStream
                                             ? std::filesystem::path(".")
                                             : std::filesystem::path(m_table).parent_path();
    const Expected<TableRoot, std::string> root = TableRoot::at(folder);
    if (!root) {
        printFailure(err, m_table, Failure{0, root.error()});
        return kExitFileFailed;
    }
    m_marked = table->marked;
    m_fingerprinted = std::find(table->columns.begin(), table->columns.end(), kSourceColumn) !=
                      table->columns.end();
    if (!m_fingerprinted) {
        err << m_table << ": warning: no '" << kSourceColumn
            << "' column: rows are applied whatever changed in their files since the table was "
               "made (a new table has the column)\n";
    }
    int code = kExitOk;
    const auto fail = [&](const TableRow& row, const std::string& message) {
        const std::string where = table->json ? "object " + std::to_string(row.line) + ": " : "";
        printFailure(err, m_table, Failure{table->json ? 0 : row.line, where + message});
        code = kExitFileFailed;
    };
    for (const RowTarget& target : rowTargets(*table, *root)) {
        if (!target.problem.empty()) {
            fail(*target.row, target.problem);
            continue;
        }
        for (const std::string& problem :
             applyRow(target.file.string(), target.shown, *target.row, m_rows, out, err)) {
            fail(*target.row, problem);
        }
    }
    return code;
}

std::vector<std::string> ApplyCommand::applyRow(const std::string& file, const std::string& shown,
                                                const TableRow& row,
                                                const std::optional<FamilyRows>& rows,
                                                std::ostream& out, std::ostream& err) const {
    std::string bytes;
    FileStamp readAs;
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, rows, bytes, &readAs);
    if (!loaded) {
        return {located(shown, loaded.error())};
    }
    const std::string* source = cellOf(row, kSourceColumn);
    if (m_fingerprinted && !m_force && (source == nullptr || *source != fingerprint(bytes))) {
        return {"'" + shown +
                "' changed after the table was made: make a new table, or --force "
                "to apply anyway"};
    }
    const PenetrationSet penetration = loaded->state.Penetration;
    const AccuracySet accuracy = loaded->state.Accuracy;
    RowEdits edits = applyRowCells(row, m_marked, *loaded, rows.has_value());
    if (!edits.problems.empty()) {
        for (std::string& problem : edits.problems) {
            problem = "'" + shown + "': " + problem;
        }
        return edits.problems;
    }
    if (edits.changes.empty()) {
        return {};
    }
    // Only what would be written must be a weapon script: a folder's table
    // lists every name holding ".wepn", and reading does no harm.
    if (!endsInWeaponSuffix(std::filesystem::path(file).filename().string())) {
        return {"'" + shown + "' is not a weapon script: its name does not end in .wepn"};
    }
    if (std::optional<Failure> failure = notWeaponScript(shown, bytes)) {
        return {failure->message};
    }
    printWarnings(err, shown, loaded->warnings);
    const std::vector<EditChange> dropped = droppedEntries(bytes, *loaded);
    if (!dropped.empty() && !m_dropMissing) {
        return {"'" + shown + "': " + droppingFailure(dropped, kDropMissingRemedy).message};
    }
    edits.changes.insert(edits.changes.end(), dropped.begin(), dropped.end());
    if (std::optional<Failure> failure =
            settleLaterTables(loaded->state, penetration, accuracy, loaded->laterTables,
                              m_dropLaterTables, kDropLaterRemedy)) {
        return {located(shown, *failure)};
    }
    const Expected<std::string, Failure> saved = savedBytes(loaded->state);
    if (!saved) {
        return {"'" + shown + "': " + saved.error().message};
    }
    if (!m_dryRun) {
        if (std::optional<Failure> failure = replaceFile(file, *saved, {readAs, m_force})) {
            return {"'" + shown + "': " + failure->message};
        }
    }
    if (!m_quiet) {
        for (const EditChange& change : edits.changes) {
            out << shownName(shown) << ": " << change.name << ' ' << change.before << " -> "
                << change.after << '\n';
        }
    }
    return {};
}

} // namespace wepn
