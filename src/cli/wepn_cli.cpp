#include "cli/wepn_cli.h"

#include "cli/apply_command.h"
#include "cli/check_command.h"
#include "cli/diff_command.h"
#include "cli/dump_command.h"
#include "cli/exit_code.h"
#include "cli/resave_command.h"
#include "cli/set_command.h"
#include "cli/table_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>

namespace wepn {
namespace {

// `set` takes two lists, EDIT... -- FILE..., which the parser cannot tell
// apart: the files after the first "--" that follows the verb are split off.
void splitSetFiles(std::vector<std::string>& args, SetCommand& set) {
    const auto verb = std::find_if(args.begin(), args.end(),
                                   [](const std::string& arg) { return !arg.starts_with('-'); });
    if (verb == args.end() || *verb != "set") {
        return;
    }
    const auto marker = std::find(verb, args.end(), "--");
    if (marker == args.end()) {
        return;
    }
    set.setFiles(std::vector<std::string>(marker + 1, args.end()));
    args.erase(marker, args.end());
}

} // namespace

int runWepn(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    CLI::App app("Checks, dumps and rewrites Vyr weapon scripts (.wepn).", "wepn");
    app.set_version_flag("--version", "wepn " WEPN_VERSION_STRING);
    app.require_subcommand(1);

    auto set = std::make_unique<SetCommand>();
    splitSetFiles(args, *set);
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<ResaveCommand>());
    commands.push_back(std::make_unique<DumpCommand>());
    commands.push_back(std::move(set));
    commands.push_back(std::make_unique<TableCommand>());
    commands.push_back(std::make_unique<ApplyCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    std::vector<CLI::App*> verbs;
    for (const auto& command : commands) {
        verbs.push_back(command->addTo(app));
    }

    std::reverse(args.begin(), args.end()); // the parser takes the arguments last first
    try {
        app.parse(args);
    } catch (const CLI::ParseError& error) {
        // Help and version are "errors" with exit code 0; everything else is a usage error.
        return app.exit(error, out, err) == 0 ? kExitOk : kExitUsage;
    }
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (verbs[i]->parsed()) {
            return commands[i]->execute(out, err);
        }
    }
    return kExitUsage;
}

} // namespace wepn
