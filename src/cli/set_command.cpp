#include "cli/set_command.h"

#include "cli/exit_code.h"
#include "cli/weapon_io.h"
#include "files/directory_sync_batch.h"

#include <CLI/CLI.hpp>

namespace wepn {

CLI::App* SetCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("set", "Edit values of weapon scripts in place");
    sub->add_option("--data", m_dataDir,
                    "Data directory holding Scripts\\familylist.lua (needed for table edits)");
    sub->add_flag("--dry-run", m_dryRun, "Print what would change and write nothing");
    sub->add_option("EDIT", m_edits,
                    "NAME=VALUE or NAME*=FACTOR; NAME is a field, penetration.FAMILY, "
                    "accuracy.FAMILY or accuracy.FAMILY.damage")
        ->required();
    sub->footer("The files follow the edits after '--': wepn set EDIT... -- FILE...");
    return sub;
}

int SetCommand::execute(std::ostream& out, std::ostream& err) {
    if (m_files.empty()) {
        err << "set: no FILE: the files follow the edits after '--' (wepn set EDIT... -- "
               "FILE...)\n";
        return kExitUsage;
    }
    std::vector<Edit> edits;
    for (const std::string& text : m_edits) {
        Expected<Edit, std::string> parsed = parseEdit(text);
        if (!parsed) {
            err << "set: " << parsed.error() << '\n';
            return kExitUsage;
        }
        if (parsed->needsFamilyList() && !m_dataDir) {
            err << "set: '" << text
                << "' needs --data DIR: the families come from its family list\n";
            return kExitUsage;
        }
        edits.push_back(std::move(parsed.value()));
    }
    Expected<std::optional<FamilyRows>, std::string> familyRows = readOptionalFamilyRows(m_dataDir);
    if (!familyRows) {
        err << familyRows.error() << '\n';
        return kExitFileFailed;
    }
    const std::optional<FamilyRows>& rows = familyRows.value();
    int code = kExitOk;
    const DirectorySyncBatch folderSyncs; // each folder synced once, after its files
    for (const std::string& file : distinctFiles(m_files, err)) {
        if (std::optional<Failure> failure = edit(file, edits, rows, out, err)) {
            printFailure(err, file, *failure);
            code = kExitFileFailed;
        }
    }
    return code;
}

std::optional<Failure> SetCommand::edit(const std::string& file, const std::vector<Edit>& edits,
                                        const std::optional<FamilyRows>& rows, std::ostream& out,
                                        std::ostream& err) const {
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, rows);
    if (!loaded) {
        return loaded.error();
    }
    printWarnings(err, file, loaded->warnings);
    WeaponState& state = loaded->state;
    std::vector<EditChange> changes;
    for (const Edit& edit : edits) {
        Expected<EditChange, std::string> change = applyEdit(edit, state, loaded->rows);
        if (!change) {
            return Failure{0, "'" + edit.text + "': " + change.error()};
        }
        if (change->before != change->after) {
            changes.push_back(std::move(change.value()));
        }
    }
    const Expected<std::string, Failure> saved = savedBytes(state);
    if (!saved) {
        return saved.error();
    }
    if (!m_dryRun) {
        return replaceFile(file, *saved);
    }
    for (const EditChange& change : changes) {
        out << file << ": " << change.name << ' ' << change.before << " -> " << change.after
            << '\n';
    }
    if (changes.empty()) {
        out << file << ": no change\n";
    }
    return std::nullopt;
}

} // namespace wepn
