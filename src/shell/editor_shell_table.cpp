#include "desk/weapon_table_model.h"
#include "desk/weapon_table_window.h"
#include "editor/message_sink.h"
#include "editor/wepn_editor_main.h"
#include "sheet/desk_folder.h"
#include "shell/editor_shell.h"
#include "shell/path_text.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

// The Window menu and the weapon table: opened on the data directory's
// weapons or on a folder, and a weapon of it opened in the main window.
namespace wepn {

void EditorShell::addWindowMenu() {
    auto* menu = new QMenu(QStringLiteral("&Window"), m_window.menuBar());
    menu->setObjectName(QStringLiteral("mnuWindow"));
    QAction* table = menu->addAction(QStringLiteral("&Weapon Table"));
    table->setObjectName(QStringLiteral("mnuWeaponTable"));
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(table, &QAction::triggered, this, [this] { openTable(m_paths.strWEPNDir); });
    // Before Help, which stays last.
    const QList<QAction*> menus = m_window.menuBar()->actions();
    m_window.menuBar()->insertMenu(menus.isEmpty() ? nullptr : menus.back(), menu);
    connect(&m_window, &WepnEditor_Main::folderDropped, this,
            [this](const QString& folder) { openTable(toFileBytes(folder)); });
}

void EditorShell::openTable(const std::string& nativeFolder) {
    if (!m_table) {
        m_table = std::make_unique<WeaponTableWindow>();
        m_table->setMessageSink(*m_messages);
        connect(m_table.get(), &WeaponTableWindow::weaponActivated, this,
                &EditorShell::openFromTable);
    }
    // The table already on this folder is shown as it is, changes and all.
    if (m_table->folder() != nativeFolder) {
        if (!m_table->settleChanges()) {
            return;
        }
        // Rows are named in the data directory, as `wepn table --data` names them.
        m_table->openFolder(nativeFolder, deskChecks(), m_paths.nativeDataDir);
    }
    m_table->show();
    m_table->raise();
    m_table->activateWindow();
}

DeskChecks EditorShell::deskChecks() const {
    // As `wepn check --data --game`: the data directory's families and
    // effects, and each file run as the game runs it.
    Expected<DeskChecks, std::string> checks = readDeskChecks(m_paths.nativeDataDir, true);
    if (checks) {
        return std::move(*checks);
    }
    m_messages->show(QString::fromStdString(checks.error()) +
                     QStringLiteral("\nThe table shows the families each weapon names."));
    return DeskChecks{std::nullopt, std::nullopt, true};
}

void EditorShell::openFromTable(int row) {
    const DeskWeapon& weapon = m_table->model().weapon(row);
    if (!weapon.changed()) {
        // As File > Open: a file that fails says why in the main window's words.
        openNative(weapon.file);
        return;
    }
    if (!prepareOrSay() || !settleChanges([this, row] { openFromTable(row); })) {
        return;
    }
    LoadOutcome changed = weapon.loaded;
    changed.state = weapon.state;
    changed.rows = weapon.rows;
    m_window.openChanged(displayText(weapon.file), weapon.loaded, changed,
                         m_preparation->weaponFireNames);
    m_currentFile = weapon.file;
    m_currentStamp = weapon.readAs;
    rememberFile(weapon.file);
    m_window.raise();
    m_window.activateWindow();
}

} // namespace wepn
