#include "cli/dump_command.h"

#include "cli/exit_code.h"
#include "cli/weapon_io.h"
#include "cli/weapon_json.h"

#include <CLI/CLI.hpp>

namespace wepn {

CLI::App* DumpCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("dump", "Print a loaded weapon as JSON");
    sub->add_option("--data", m_dataDir, "Data directory: present the tables with its family list");
    sub->add_option("FILE", m_file, "Weapon script (.wepn)")->required();
    return sub;
}

int DumpCommand::execute(std::ostream& out, std::ostream& err) {
    Expected<std::optional<FamilyRows>, std::string> familyRows = readOptionalFamilyRows(m_dataDir);
    if (!familyRows) {
        err << familyRows.error() << '\n';
        return kExitFileFailed;
    }
    const std::optional<FamilyRows>& rows = familyRows.value();
    const Expected<LoadOutcome, Failure> loaded = loadWeaponFile(m_file, rows);
    if (!loaded) {
        printFailure(err, m_file, loaded.error());
        return kExitFileFailed;
    }
    printWarnings(err, m_file, loaded->warnings);
    out << weaponJson(loaded->state).dump(2) << '\n';
    return kExitOk;
}

} // namespace wepn
