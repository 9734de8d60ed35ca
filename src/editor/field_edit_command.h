#pragma once

#include <QUndoCommand>
#include <QVariant>

class QWidget;

namespace wepn {

class WindowHistory;

/// A change the user made to one field of the window: the text of a text box
/// or editable drop-down, or the row of a drop-down. Typing in one text box
/// stays one step for as long as the step is open.
class FieldEditCommand : public QUndoCommand {
  public:
    FieldEditCommand(WindowHistory& history, QWidget* control, const QString& label,
                     QVariant before, QVariant after, bool continues);

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

  private:
    WindowHistory& m_history;
    QWidget* m_control;
    QVariant m_before;
    QVariant m_after;
    bool m_continues;
    // The change is on screen already when the command is pushed.
    bool m_done = true;
};

} // namespace wepn
