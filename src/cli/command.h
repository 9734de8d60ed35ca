#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace wepn {

// One verb of the command-line tool: declares its subcommand and options,
// then runs with what the parser stored in its members.
class Command {
  public:
    virtual ~Command() = default;

    // Adds the verb's subcommand with its options to the application.
    virtual CLI::App* addTo(CLI::App& app) = 0;

    // Words the usage line shows after what the parser knows of, if any.
    virtual std::string usageTail() const { return {}; }

    // Runs the verb after a successful parse; returns the exit code.
    virtual int execute(std::ostream& out, std::ostream& err) = 0;
};

} // namespace wepn
