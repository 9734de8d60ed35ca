#pragma once

#include "cli/file_command.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn dump [--data DIR] [--lines] FILE...`: each loaded weapon as a JSON
// document; one FILE gives its document, several an array of them, and
// --lines one document a line. With DIR the tables are as the editor presents
// them (one entry per family row); without it they are as the file names them.
class DumpCommand : public FileCommand {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    bool m_lines = false;
    std::vector<std::string> m_files;
};

} // namespace wepn
