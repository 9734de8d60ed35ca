#include "desk/desk_edit_command.h"

#include "desk/column_headings.h"
#include "desk/weapon_table_model.h"
#include "sheet/bulk_edit.h"

#include <algorithm>

namespace wepn {

DeskEditCommand::DeskEditCommand(WeaponTableModel& model, const QString& text,
                                 std::vector<DeskCellChange> changes)
    : DeskRowsCommand(model, text), m_changes(std::move(changes)) {
    std::stable_sort(
        m_changes.begin(), m_changes.end(),
        [](const DeskCellChange& a, const DeskCellChange& b) { return a.row < b.row; });
}

QString DeskEditCommand::stepText(const QString& verb, const std::string& column,
                                  const QString& detail, std::size_t weapons) {
    return QStringLiteral("%1 %2%3 (%4 %5)")
        .arg(verb, columnHeading(column), detail, QString::number(weapons),
             weapons == 1 ? QStringLiteral("weapon") : QStringLiteral("weapons"));
}

QString DeskEditCommand::typedStepText(const std::string& column) {
    return QStringLiteral("Edit ") + columnHeading(column);
}

void DeskEditCommand::redo() {
    const bool first = !kept();
    for (auto change = m_changes.begin(); change != m_changes.end();) {
        const int row = change->row;
        if (first) {
            keep(row);
        }
        DeskWeapon& weapon = m_model.weaponToChange(row);
        for (; change != m_changes.end() && change->row == row; ++change) {
            // Every cell was checked when the step was made; one refused now
            // is left as it was (`setDeskCell` changes nothing then).
            (void)setDeskCell(weapon, change->column, change->after);
        }
        m_model.weaponChanged(row);
    }
}

} // namespace wepn
