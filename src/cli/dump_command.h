#pragma once

#include "cli/command.h"

#include <optional>
#include <string>

namespace wepn {

// `wepn dump [--data DIR] FILE`: the loaded weapon as JSON. With DIR the
// tables are as the editor presents them (one entry per family row);
// without it they are as the file names them.
class DumpCommand : public Command {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    std::optional<std::string> m_dataDir;
    std::string m_file;
};

} // namespace wepn
