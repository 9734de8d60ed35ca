#pragma once

#include "desk/desk_edit_command.h"

#include <QDialog>
#include <vector>

class QUndoStack;

namespace wepn {

struct ImportPreviewRow;
class WeaponTableModel;

// What an imported table would change, before anything does: each weapon's
// OLD -> NEW as `wepn apply` prints them and each refused row with its line.
// OK makes the changes one step of the desk's history; nothing is written
// until the desk is saved.
class ImportDialog : public QDialog {
    Q_OBJECT
  public:
    ImportDialog(WeaponTableModel& model, QUndoStack& history, const QString& tableName,
                 const std::vector<ImportPreviewRow>& preview, QWidget* parent);

    QString previewText() const { return m_text; }
    void accept() override;

  private:
    WeaponTableModel& m_model;
    QUndoStack& m_history;
    QString m_text;
    QString m_stepName;
    std::vector<DeskCellChange> m_changes;
};

} // namespace wepn
