#pragma once

#include "cli/file_command.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn check [-q] [--game] [--data DIR [--strict]] [--files-from LIST [-0]] FILE...`:
// loads each file ("-": standard input) as the editor does; with --game also
// runs it as the game does and compares; with --data also checks it against
// the game data. -q leaves out the "FILE: ok" lines. Results come in the
// order the files are named.
class CheckCommand : public FileCommand {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    std::vector<std::string> m_files;
    std::optional<std::string> m_filesFrom;
    bool m_nulSeparated = false;
    bool m_game = false;
    bool m_quiet = false;
    bool m_strict = false;
};

} // namespace wepn
