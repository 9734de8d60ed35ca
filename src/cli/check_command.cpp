#include "check_command.h"

#include "exit_code.h"
#include "weapon_io.h"

#include <CLI/CLI.hpp>

namespace wepn {

CLI::App* CheckCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("check", "Check that weapon scripts load");
    sub->add_option("FILE", m_files, "Weapon scripts (.wepn)")->required();
    return sub;
}

int CheckCommand::execute(std::ostream& out, std::ostream& err) {
    int code = kExitOk;
    for (const std::string& file : m_files) {
        const Expected<LoadedFile, Failure> loaded = loadWeaponFile(file, std::nullopt);
        if (!loaded) {
            printFailure(err, file, loaded.error());
            code = kExitFileFailed;
            continue;
        }
        out << file << ": ok\n";
        printWarnings(err, file, loaded->outcome.warnings);
    }
    return code;
}

} // namespace wepn
