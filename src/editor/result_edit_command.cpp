#include "editor/result_edit_command.h"

#include "editor/results_editor.h"

namespace wepn {

void ResultEditCommand::undo() {
    m_editor.change({m_change.index, m_change.after, m_change.before}, true);
}

void ResultEditCommand::redo() {
    m_editor.change(m_change, !m_pushed);
    m_pushed = false;
}

} // namespace wepn
