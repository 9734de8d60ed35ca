#pragma once

#include "desk/desk_rows_command.h"

#include <QString>
#include <string>
#include <vector>

namespace wepn {

// One cell the desk changes: the model's row (not a view's), the column's
// name, and the cell's text before and after, as the table shows them.
struct DeskCellChange {
    int row = 0;
    std::string column;
    std::string before;
    std::string after;
};

// An edit of the desk's cells, one step of its history: redo sets each cell
// as `setDeskCell` reads its text.
class DeskEditCommand : public DeskRowsCommand {
  public:
    DeskEditCommand(WeaponTableModel& model, const QString& text,
                    std::vector<DeskCellChange> changes);

    // The step's name: "<verb> Firing Range<detail> (12 weapons)".
    static QString stepText(const QString& verb, const std::string& column, const QString& detail,
                            std::size_t weapons);
    // The name of one typed cell's step: "Edit Firing Range".
    static QString typedStepText(const std::string& column);

    void redo() override;

  private:
    std::vector<DeskCellChange> m_changes; // ordered by row
};

} // namespace wepn
