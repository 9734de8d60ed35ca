#include "cli/dump_command.h"

#include "cli/exit_code.h"
#include "cli/weapon_io.h"
#include "cli/weapon_json.h"

#include <CLI/CLI.hpp>

namespace wepn {

CLI::App* DumpCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("dump", "Print loaded weapons as JSON");
    addDataOption(sub, "Data directory: present the tables with its " + familyListPath());
    sub->add_flag("--lines", m_lines, "Print one document a line (JSON Lines), not an array");
    sub->add_option("FILE", m_files, "Weapon scripts (.wepn); '-' reads standard input")
        ->required()
        ->type_name("");
    return sub;
}

int DumpCommand::execute(std::ostream& out, std::ostream& err) {
    if (std::optional<std::string> twice = standardInputTwice(m_files)) {
        printToolError(err, "dump: " + *twice);
        return kExitUsage;
    }
    if (!readFamilyRows(err)) {
        return kExitFileFailed;
    }
    // Documents are printed as they come, so that a long batch streams.
    const bool array = !m_lines && m_files.size() > 1;
    bool first = true;
    int code = kExitOk;
    for (const std::string& file : m_files) {
        const Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, m_rows);
        if (!loaded) {
            printFailure(err, file, loaded.error());
            code = kExitFileFailed;
            continue;
        }
        printWarnings(err, file, loaded->warnings);
        const nlohmann::ordered_json json = weaponJson(file, loaded->state);
        if (m_lines) {
            out << json.dump() << '\n';
        } else if (array) {
            out << (first ? "[\n" : ",\n") << json.dump(2);
        } else {
            out << json.dump(2) << '\n';
        }
        first = false;
    }
    if (array) {
        out << (first ? "[" : "\n") << "]\n";
    }
    return code;
}

} // namespace wepn
