#include "editor/window_history.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace wepn {

WindowHistory::WindowHistory(QObject* parent) : QObject(parent), m_stack(this) {
    connect(qApp, &QApplication::focusChanged, this, &WindowHistory::closeStep);
    // Undo and redo end the typing step too; a push reopens it below.
    connect(&m_stack, &QUndoStack::indexChanged, this, &WindowHistory::closeStep);
}

void WindowHistory::guard(QLineEdit* edit) {
    edit->installEventFilter(this);
}

bool WindowHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowHistory::push(QUndoCommand* command, bool typed) {
    m_stack.push(command);
    m_stepOpen = typed;
}

void WindowHistory::reset() {
    m_stack.clear();
    closeStep();
}

} // namespace wepn
