#pragma once

#include "cli/command.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn check [--game] [--files-from LIST] FILE...`: loads each file as the
// editor does, without a family list; with --game also runs it as the game
// does and compares. Results come in the order the files are named.
class CheckCommand : public Command {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    std::vector<std::string> m_files;
    std::optional<std::string> m_filesFrom;
    bool m_game = false;
};

} // namespace wepn
