#pragma once

#include <QStyledItemDelegate>
#include <memory>

class QUndoStack;

namespace wepn {

class MessageSink;
class WeaponTableModel;

// Typing into a cell of the desk, checked as the main window checks the
// field: the penetration values take digits only, a field with choices is
// picked from a drop-down of them, and a value the weapon cannot take is
// refused with a message naming the weapon and the column, changing nothing.
// An accepted value is one step of the desk's history. The view's indexes
// may come through proxies of the model.
class CellEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // Messages go to `messages`, or to message boxes over `parent` when null.
    CellEditDelegate(WeaponTableModel& model, QUndoStack& history, QWidget* parent,
                     MessageSink* messages = nullptr);
    ~CellEditDelegate() override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // Sets the cell of a model row to `text` as one step, or says why not.
    // False when the weapon refused it.
    bool commit(int row, int column, const QString& text) const;

  private:
    WeaponTableModel& m_model;
    QUndoStack& m_history;
    std::unique_ptr<MessageSink> m_ownMessages;
    MessageSink* m_messages;
};

} // namespace wepn
