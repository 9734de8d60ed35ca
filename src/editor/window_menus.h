#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QUndoStack;

namespace wepn {

/// The "&File", "&Edit", "&Settings" and "&Help" menus. The actions are only
/// built here; the window and the application connect them.
class WindowMenus {
  public:
    WindowMenus(QMenuBar* menuBar, QUndoStack& history);

    QAction* open() const { return m_open; }
    QAction* saveAs() const { return m_saveAs; }
    QAction* exit() const { return m_exit; }
    QMenu* openRecent() const { return m_openRecent; }
    QAction* undo() const { return m_undo; }
    QAction* redo() const { return m_redo; }
    QAction* revert() const { return m_revert; }
    QAction* decompiledData() const { return m_decompiledData; }
    QAction* about() const { return m_about; }

  private:
    QAction* m_open = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_exit = nullptr;
    QMenu* m_openRecent = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_revert = nullptr;
    QAction* m_decompiledData = nullptr;
    QAction* m_about = nullptr;
};

} // namespace wepn
