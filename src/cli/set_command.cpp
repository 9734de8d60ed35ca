#include "cli/set_command.h"

#include "cli/exit_code.h"
#include "cli/files_in_order.h"
#include "cli/save_guard.h"
#include "cli/weapon_io.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace wepn {

CLI::App* SetCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("set", "Edit values of weapon scripts in place");
    addDataOption(sub, "Data directory holding " + familyListPath() + " (needed for table edits)");
    sub->add_flag("--drop-later-tables", m_dropLaterTables,
                  "Remove the later statements of an edited table that the file sets twice "
                  "(without it such an edit fails the file: the game would not receive it)");
    sub->add_flag("--dry-run", m_dryRun, "Print what would change and write nothing");
    sub->add_flag("-q,--quiet", m_quiet, "Print nothing about the changes made");
    sub->add_flag("--drop-missing-families", m_dropMissing,
                  "Save files whose tables name families the family list lacks, dropping them");
    sub->add_flag("--force", m_force, kForceHelp);
    sub->add_option("EDIT", m_edits,
                    "NAME=VALUE or NAME*=FACTOR; NAME is a field, penetration.FAMILY, "
                    "accuracy.FAMILY or accuracy.FAMILY.damage ('wepn fields' lists them)")
        ->required()
        ->type_name("");
    sub->footer("The files follow the edits after '--'. A file whose values the edits leave as "
                "they are is not rewritten.");
    return sub;
}

std::string SetCommand::usageTail() const {
    return "-- FILE...";
}

int SetCommand::execute(std::ostream& out, std::ostream& err) {
    if (m_files.empty()) {
        printToolError(err, "set: no FILE: the files follow the edits after '--' (wepn set "
                            "EDIT... -- FILE...)");
        return kExitUsage;
    }
    if (std::count(m_files.begin(), m_files.end(), kStandardStream) != 0) {
        printToolError(err, "set: standard input ('-') cannot be edited in place");
        return kExitUsage;
    }
    if (std::optional<std::string> option = optionAfterMarker(m_files)) {
        printToolError(err, "set: " + *option);
        return kExitUsage;
    }
    std::vector<Edit> edits;
    for (const std::string& text : m_edits) {
        Expected<Edit, std::string> parsed = parseEdit(text);
        if (!parsed) {
            printToolError(err, "set: " + parsed.error());
            return kExitUsage;
        }
        if (parsed->needsFamilyList() && !m_dataDir) {
            printToolError(err, "set: '" + text +
                                    "' needs --data DIR: the families come from its family list");
            return kExitUsage;
        }
        edits.push_back(std::move(parsed.value()));
    }
    if (!readFamilyRows(err)) {
        return kExitFileFailed;
    }
    const auto work = [&](const std::string& file, std::ostream& fileOut, std::ostream& fileErr) {
        return edit(file, edits, m_rows, fileOut, fileErr);
    };
    return runEach(m_files, out, err, work) ? kExitOk : kExitFileFailed;
}

std::optional<Failure> SetCommand::edit(const std::string& file, const std::vector<Edit>& edits,
                                        const std::optional<FamilyRows>& rows, std::ostream& out,
                                        std::ostream& err) const {
    std::string bytes;
    FileStamp readAs;
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, rows, bytes, &readAs);
    if (!loaded) {
        return loaded.error();
    }
    if (std::optional<Failure> failure = notWeaponScript(file, bytes)) {
        return failure;
    }
    printWarnings(err, file, loaded->warnings);
    WeaponState& state = loaded->state;
    const PenetrationSet penetration = state.Penetration;
    const AccuracySet accuracy = state.Accuracy;
    const WeaponFamilies families(state);
    std::vector<EditChange> changes;
    for (const Edit& edit : edits) {
        Expected<EditChange, std::string> change = applyEdit(edit, state, loaded->rows, families);
        if (!change) {
            return Failure{0, "'" + edit.text + "': " + change.error()};
        }
        if (change->before != change->after) {
            changes.push_back(std::move(change.value()));
        }
    }
    // A file the edits leave as it was keeps its bytes and modification time,
    // even where the editor would write its statements otherwise.
    if (!changes.empty()) {
        if (std::optional<Failure> failure =
                settleLaterTables(state, penetration, accuracy, loaded->laterTables,
                                  m_dropLaterTables, kDropLaterRemedy)) {
            return failure;
        }
        const std::vector<EditChange> dropped = droppedEntries(bytes, *loaded);
        if (!dropped.empty() && !m_dropMissing) {
            return droppingFailure(dropped, kDropMissingRemedy);
        }
        changes.insert(changes.end(), dropped.begin(), dropped.end());
        const Expected<std::string, Failure> saved = savedBytes(state);
        if (!saved) {
            return saved.error();
        }
        if (!m_dryRun) {
            if (std::optional<Failure> failure = replaceFile(file, *saved, {readAs, m_force})) {
                return failure;
            }
        }
    }
    if (m_quiet) {
        return std::nullopt;
    }
    for (const EditChange& change : changes) {
        out << shownName(file) << ": " << change.name << ' ' << change.before << " -> "
            << change.after << '\n';
    }
    if (changes.empty()) {
        out << shownName(file) << ": no change\n";
    }
    return std::nullopt;
}

} // namespace wepn
