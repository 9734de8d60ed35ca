#include "desk/desk_rows_command.h"

#include "desk/weapon_table_model.h"

namespace wepn {

DeskRowsCommand::DeskRowsCommand(WeaponTableModel& model, const QString& text)
    : QUndoCommand(text), m_model(model) {}

void DeskRowsCommand::keep(int row) {
    const DeskWeapon& weapon = m_model.weapon(row);
    m_before.push_back({row, weapon.state, weapon.rows, weapon.refused});
}

void DeskRowsCommand::undo() {
    for (auto before = m_before.rbegin(); before != m_before.rend(); ++before) {
        DeskWeapon& weapon = m_model.weaponToChange(before->row);
        weapon.state = before->state;
        weapon.rows = before->rows;
        weapon.refused = before->refused;
        m_model.weaponChanged(before->row);
    }
}

} // namespace wepn
