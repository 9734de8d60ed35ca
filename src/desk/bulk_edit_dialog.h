#pragma once

#include "desk/desk_edit_command.h"

#include <QDialog>
#include <QModelIndexList>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QUndoStack;

namespace wepn {

class MessageSink;
class WeaponTableModel;

// Set, Scale by % or Add for the selected cells of one column, with a preview
// of each weapon's OLD -> NEW (or why it refuses) before anything changes. OK
// makes the accepted changes one step of the desk's history.
class BulkEditDialog : public QDialog {
    Q_OBJECT
  public:
    // `rows` are the model's rows of the cells, `column` the model's column.
    BulkEditDialog(WeaponTableModel& model, QUndoStack& history, std::vector<int> rows, int column,
                   QWidget* parent);

    // A dialog for the cells a view has selected (through any proxies), or
    // nothing after telling `messages` why: cells of several columns, a
    // column that is not edited, no editable cell.
    static BulkEditDialog* forSelection(WeaponTableModel& model, QUndoStack& history,
                                        const QModelIndexList& selected, QWidget* parent,
                                        MessageSink& messages);

    // The preview as shown, one line per weapon.
    QString previewText() const;
    // The changes OK would make, as planned for the operation and operand shown.
    const std::vector<DeskCellChange>& plannedChanges() const { return m_changes; }
    QString stepName() const { return m_stepName; }

    void accept() override;

  private:
    void plan();

    WeaponTableModel& m_model;
    QUndoStack& m_history;
    std::vector<int> m_rows;
    int m_column;
    QComboBox* m_operation;
    QLineEdit* m_operand;
    QLabel* m_summary;
    QPlainTextEdit* m_preview;
    QDialogButtonBox* m_buttons;
    std::vector<DeskCellChange> m_changes;
    QString m_stepName;
};

} // namespace wepn
