#include "desk/desk_revert_command.h"

#include "desk/weapon_table_model.h"

namespace wepn {

DeskRevertCommand::DeskRevertCommand(WeaponTableModel& model, std::vector<int> rows)
    : DeskRowsCommand(model, rows.size() == 1
                                 ? QStringLiteral("Revert 1 weapon")
                                 : QStringLiteral("Revert %1 weapons").arg(rows.size())),
      m_rows(std::move(rows)) {}

void DeskRevertCommand::redo() {
    const bool first = !kept();
    for (int row : m_rows) {
        if (first) {
            keep(row);
        }
        DeskWeapon& weapon = m_model.weaponToChange(row);
        weapon.state = weapon.loaded.state;
        weapon.rows = weapon.loaded.rows;
        weapon.refused.clear();
        m_model.weaponChanged(row);
    }
}

} // namespace wepn
