#include "cli/wepn_cli.h"

#include "cli/apply_command.h"
#include "cli/check_command.h"
#include "cli/diff_command.h"
#include "cli/dump_command.h"
#include "cli/exit_code.h"
#include "cli/failure.h"
#include "cli/fields_command.h"
#include "cli/help_formatter.h"
#include "cli/resave_command.h"
#include "cli/set_command.h"
#include "cli/table_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>

namespace wepn {
namespace {

// Flows into the manual page through help2man, which knows the examples'
// heading and sets lines starting with "$ " as they are.
constexpr const char* kEpilogue = R"(Exit status:
  0  every file is fine
  1  a file could not be read, loaded or written (the others are still done)
  2  the command line is wrong
  diff: 0 the weapons are the same, 1 they differ, 2 a file could not be read

Examples:
  $ wepn check -q Data/Weapon/*.wepn
  $ wepn set --data Data 'fWeaponFireRange*=1.1' -- Data/Weapon/*.wepn)";

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

// The first word that is no option, when it names no verb: the parser would
// only say that a verb is required.
std::optional<std::string> unknownVerb(const CLI::App& app, const std::vector<std::string>& args) {
    const auto word = std::find_if(args.begin(), args.end(),
                                   [](const std::string& arg) { return !arg.starts_with('-'); });
    if (word == args.end()) {
        return std::nullopt;
    }
    std::string names;
    for (const CLI::App* verb : app.get_subcommands({})) {
        if (verb->check_name(*word)) {
            return std::nullopt;
        }
        if (!verb->get_group().empty()) {
            names += (names.empty() ? "" : ", ") + verb->get_name();
        }
    }
    return "unknown command '" + *word + "' (commands: " + names + ")";
}

} // namespace

int runWepn(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    CLI::App app("Checks, dumps and rewrites Vyr weapon scripts (.wepn).", "wepn");
    auto formatter = std::make_shared<HelpFormatter>();
    app.formatter(formatter);
    app.set_version_flag("--version", "wepn " WEPN_VERSION_STRING);
    app.require_subcommand(1);
    app.footer(kEpilogue);

    auto set = std::make_unique<SetCommand>();
    splitSetFiles(args, *set);
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<ResaveCommand>());
    commands.push_back(std::make_unique<DumpCommand>());
    commands.push_back(std::move(set));
    commands.push_back(std::make_unique<FieldsCommand>());
    commands.push_back(std::make_unique<TableCommand>());
    commands.push_back(std::make_unique<ApplyCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    std::vector<CLI::App*> verbs;
    for (const auto& command : commands) {
        verbs.push_back(command->addTo(app));
        if (std::string tail = command->usageTail(); !tail.empty()) {
            formatter->addUsageTail(verbs.back(), std::move(tail));
        }
    }

    if (std::optional<std::string> unknown = unknownVerb(app, args)) {
        printToolError(err, *unknown);
        return kExitUsage;
    }
    std::reverse(args.begin(), args.end()); // the parser takes the arguments last first
    try {
        app.parse(args);
    } catch (const CLI::ParseError& error) {
        // Help and version are "errors" with exit code 0; everything else is a usage error.
        if (error.get_exit_code() == 0) {
            app.exit(error, out, err);
            return kExitOk;
        }
        const std::vector<CLI::App*> chosen = app.get_subcommands();
        const std::string verb = chosen.empty() ? "" : chosen.front()->get_name() + " ";
        printToolError(err, std::string(error.what()) + " (see 'wepn " + verb + "--help')");
        return kExitUsage;
    }
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (verbs[i]->parsed()) {
            return commands[i]->execute(out, err);
        }
    }
    return kExitUsage;
}

} // namespace wepn
