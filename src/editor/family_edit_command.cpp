#include "editor/family_edit_command.h"

#include "editor/family_editor.h"

namespace wepn {

void FamilyEditCommand::undo() {
    m_editor.store(m_table, m_index, m_before);
}

void FamilyEditCommand::redo() {
    m_editor.store(m_table, m_index, m_after);
}

} // namespace wepn
