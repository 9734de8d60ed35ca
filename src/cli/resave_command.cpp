#include "cli/resave_command.h"

#include "cli/exit_code.h"
#include "cli/files_in_order.h"
#include "cli/save_guard.h"
#include "cli/weapon_io.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace wepn {

CLI::App* ResaveCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand(
        "resave", "Write weapon scripts as the editor saves them without an edit");
    addDataOption(sub, "Data directory holding " + familyListPath())->required();
    CLI::Option* output =
        sub->add_option("-o,--output", m_output,
                        "Write the one FILE's script to this file ('-': standard output)")
            ->type_name("FILE");
    CLI::Option* inPlace = sub->add_flag("--in-place", m_inPlace, "Rewrite each FILE");
    sub->add_flag("--drop-missing-families", m_dropMissing,
                  "Save weapons whose tables name families the family list lacks, dropping them");
    sub->add_flag("--force", m_force, kForceHelp);
    output->excludes(inPlace);
    sub->add_option("FILE", m_files, "Weapon scripts (.wepn); '-' reads standard input")
        ->required()
        ->type_name("");
    sub->footer("One FILE without -o or --in-place is written to standard output. --in-place "
                "leaves a file that is already as the editor writes it as it is.");
    return sub;
}

std::optional<Failure> ResaveCommand::resave(const std::string& file, const FamilyRows& rows,
                                             std::ostream& out, std::ostream& err) const {
    std::string original;
    FileStamp readAs;
    const Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, rows, original, &readAs);
    if (!loaded) {
        return loaded.error();
    }
    if (m_inPlace) {
        if (std::optional<Failure> failure = notWeaponScript(file, original)) {
            return failure;
        }
    }
    printWarnings(err, file, loaded->warnings);
    const std::vector<EditChange> dropped = droppedEntries(original, *loaded);
    if (!dropped.empty() && !m_dropMissing) {
        return droppingFailure(dropped, kDropMissingRemedy);
    }
    const Expected<std::string, Failure> saved = savedBytes(loaded->state);
    if (!saved) {
        return saved.error();
    }
    if (m_inPlace) {
        // A file already as the editor writes it keeps its modification time.
        return *saved == original ? std::nullopt : replaceFile(file, *saved, {readAs, m_force});
    }
    if (!m_output.empty() && m_output != kStandardStream) {
        return replaceFile(m_output, *saved, {std::nullopt, m_force});
    }
    out.write(saved->data(), static_cast<std::streamsize>(saved->size()));
    out.flush();
    return std::nullopt;
}

int ResaveCommand::execute(std::ostream& out, std::ostream& err) {
    if (m_files.size() > 1 && !m_inPlace) {
        printToolError(
            err, "resave: several FILEs need --in-place (-o and standard output take one FILE)");
        return kExitUsage;
    }
    if (m_inPlace && std::count(m_files.begin(), m_files.end(), kStandardStream) != 0) {
        printToolError(err, "resave: standard input ('-') cannot be rewritten in place");
        return kExitUsage;
    }
    if (!readFamilyRows(err)) {
        return kExitFileFailed;
    }
    const auto work = [&](const std::string& file, std::ostream& fileOut, std::ostream& fileErr) {
        return resave(file, *m_rows, fileOut, fileErr);
    };
    const bool done =
        m_inPlace ? runEach(m_files, out, err, work) : runOne(m_files.front(), out, err, work);
    return done ? kExitOk : kExitFileFailed;
}

} // namespace wepn
