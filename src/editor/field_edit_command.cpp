#include "editor/field_edit_command.h"

#include "editor/window_history.h"

namespace wepn {

FieldEditCommand::FieldEditCommand(WindowHistory& history, QWidget* control, const QString& label,
                                   QVariant before, QVariant after, bool continues)
    : QUndoCommand(label), m_history(history), m_control(control), m_before(std::move(before)),
      m_after(std::move(after)), m_continues(continues) {}

bool FieldEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const FieldEditCommand*>(other);
    if (!next->m_continues || next->m_control != m_control) {
        return false;
    }
    m_after = next->m_after;
    return true;
}

void FieldEditCommand::undo() {
    m_history.restoreField(m_control, m_before);
}

void FieldEditCommand::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_history.restoreField(m_control, m_after);
}

} // namespace wepn
