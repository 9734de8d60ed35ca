#pragma once

#include "cli/file_command.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn table [--data DIR] [--columns LIST] [--format csv|tsv|json] PATH...`:
// one row per weapon (a folder stands for its weapon files, in the open
// dialog's order) with the fields, the number of impact results and the
// family values, for a spreadsheet and for `wepn apply`.
class TableCommand : public FileCommand {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    std::string m_columns;
    std::string m_format = "csv";
    std::vector<std::string> m_paths;
};

} // namespace wepn
