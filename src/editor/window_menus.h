#pragma once

class QAction;
class QMenuBar;

namespace wepn {

/// The "&File" and "&Settings" menus. The actions are only built here; the
/// application connects them.
class WindowMenus {
  public:
    explicit WindowMenus(QMenuBar* menuBar);

    QAction* open() const { return m_open; }
    QAction* saveAs() const { return m_saveAs; }
    QAction* exit() const { return m_exit; }
    QAction* decompiledData() const { return m_decompiledData; }

  private:
    QAction* m_open = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_exit = nullptr;
    QAction* m_decompiledData = nullptr;
};

} // namespace wepn
