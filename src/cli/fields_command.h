#pragma once

#include "cli/command.h"

namespace wepn {

// `wepn fields [--names]`: every name `set` edits, with its type and the
// values it accepts; --names prints the names alone, for shell completion.
class FieldsCommand : public Command {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    bool m_namesOnly = false;
};

} // namespace wepn
