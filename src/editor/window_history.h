#pragma once

#include <QObject>
#include <QUndoStack>

class QLineEdit;

namespace wepn {

/// The window's undo history: one QUndoStack that every editor of the window
/// pushes its commands on. A clean stack is the weapon as last loaded or
/// saved. Typing in one field is one step until the step closes: focus moves,
/// the field is committed, or a step is undone or redone.
class WindowHistory : public QObject {
    Q_OBJECT
  public:
    explicit WindowHistory(QObject* parent);

    QUndoStack& stack() { return m_stack; }

    /// Sends the undo and redo keys of a text box to the window's history;
    /// the box's own undo would bypass it.
    void guard(QLineEdit* edit);
    /// Pushes a change (the command makes it); a typed change keeps the step open.
    void push(QUndoCommand* command, bool typed = false);
    /// True while typed changes merge into the step on top.
    bool stepOpen() const { return m_stepOpen; }
    void closeStep() { m_stepOpen = false; }
    /// Starts a new history on the weapon as it is now.
    void reset();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QUndoStack m_stack;
    bool m_stepOpen = false;
};

} // namespace wepn
