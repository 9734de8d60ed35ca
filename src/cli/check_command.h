#pragma once

#include "cli/command.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn check [--game] FILE...`: loads each file as the editor does, without a
// family list; with --game also runs it as the game does and compares.
class CheckCommand : public Command {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    std::vector<std::string> m_files;
    bool m_game = false;
    std::optional<std::string> m_dataDir;
    bool m_strict = false;
};

} // namespace wepn
