#pragma once

#include "desk/desk_rows_command.h"

#include <vector>

namespace wepn {

// Gives weapons back the state they were loaded (or last saved) with, as one
// step of the desk's history: "Revert 3 weapons".
class DeskRevertCommand : public DeskRowsCommand {
  public:
    DeskRevertCommand(WeaponTableModel& model, std::vector<int> rows);

    void redo() override;

  private:
    std::vector<int> m_rows;
};

} // namespace wepn
