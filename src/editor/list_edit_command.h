#pragma once

#include "editor/list_snapshot.h"

#include <QUndoCommand>

namespace wepn {

class WindowHistory;

/// A change made through a list's buttons (a result added, applied or
/// removed; a family value applied): the lists and the state before and after.
class ListEditCommand : public QUndoCommand {
  public:
    ListEditCommand(WindowHistory& history, const QString& label, ListSnapshot before,
                    ListSnapshot after);

    void undo() override;
    void redo() override;

  private:
    WindowHistory& m_history;
    ListSnapshot m_before;
    ListSnapshot m_after;
    bool m_done = true;
};

} // namespace wepn
