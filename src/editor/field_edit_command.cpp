#include "editor/field_edit_command.h"

#include "editor/field_editor.h"

namespace wepn {

FieldEditCommand::FieldEditCommand(FieldEditor& editor, const FieldBinding& binding,
                                   FieldValue before, FieldValue after, bool continues)
    : QUndoCommand(FieldEditor::stepName(binding)), m_editor(editor), m_binding(binding),
      m_before(std::move(before)), m_after(std::move(after)), m_continues(continues) {}

bool FieldEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const FieldEditCommand*>(other);
    if (!next->m_continues || &next->m_binding != &m_binding) {
        return false;
    }
    m_after = next->m_after;
    return true;
}

void FieldEditCommand::undo() {
    m_editor.store(m_binding, m_before, true);
}

void FieldEditCommand::redo() {
    m_editor.store(m_binding, m_after, !m_shown);
    m_shown = false;
}

} // namespace wepn
