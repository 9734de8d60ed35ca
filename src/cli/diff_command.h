#pragma once

#include "cli/file_command.h"

#include <optional>
#include <string>

namespace wepn {

// `wepn diff [--data DIR] [--format text|json] A B`: the differences between
// two loaded weapons, field by field, result by result, family by family and
// in the unrecognised lines. Exit 0 when they are the same weapon, 1 when they
// differ, 2 when either cannot be loaded.
class DiffCommand : public FileCommand {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    std::string m_format = "text";
    std::string m_a;
    std::string m_b;
};

} // namespace wepn
