#include "editor/list_edit_command.h"

#include "editor/window_history.h"

namespace wepn {

ListEditCommand::ListEditCommand(WindowHistory& history, const QString& label, ListSnapshot before,
                                 ListSnapshot after)
    : QUndoCommand(label), m_history(history), m_before(std::move(before)),
      m_after(std::move(after)) {}

void ListEditCommand::undo() {
    m_history.restoreLists(m_before);
}

void ListEditCommand::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_history.restoreLists(m_after);
}

} // namespace wepn
