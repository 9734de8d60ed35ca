#pragma once

#include "cli/command.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn check [-q] [--game] FILE...`: loads each file ("-": standard input) as
// the editor does, without a family list; with --game also runs it as the
// game does and compares. -q leaves out the "FILE: ok" lines.
class CheckCommand : public Command {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    std::vector<std::string> m_files;
    bool m_game = false;
    bool m_quiet = false;
    std::optional<std::string> m_dataDir;
    bool m_strict = false;
};

} // namespace wepn
