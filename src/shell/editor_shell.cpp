#include "shell/editor_shell.h"

#include "desk/weapon_table_window.h"
#include "editor/message_box_sink.h"
#include "editor/wepn_editor_main.h"
#include "editor/window_caption.h"
#include "shell/decompiled_data_setting.h"
#include "shell/directory_tree.h"
#include "shell/frm_decompiled_data_dir.h"
#include "shell/frm_open.h"
#include "shell/frm_save.h"
#include "shell/shell_texts.h"
#include "shell/window_geometry_setting.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QtGlobal>

// The shell's wiring, closing and the settings commands. The open path, the
// save path and the status bar and recent-files menu have files of their own
// (editor_shell_open.cpp, editor_shell_save.cpp, editor_shell_status.cpp).
namespace wepn {

EditorShell::EditorShell(WepnEditor_Main& window, MessageSink* messages)
    : m_window(window), m_dialogMessages(messages) {
    if (messages == nullptr) {
        m_ownMessages = std::make_unique<MessageBoxSink>(&window);
        messages = m_ownMessages.get();
    }
    m_messages = messages;
    m_window.setFileWriter([this](const QString& shownPath, std::string_view bytes) {
        return writeThroughFileLayer(shownPath, bytes);
    });
    m_paths = DataPaths::derivedFrom(DecompiledDataSetting().read());

    connect(m_window.openAction(), &QAction::triggered, this, &EditorShell::Open_Click);
    connect(m_window.saveAsAction(), &QAction::triggered, this, &EditorShell::Save_Click);
    connect(m_window.exitAction(), &QAction::triggered, &m_window, &QWidget::close);
    connect(m_window.decompiledDataAction(), &QAction::triggered, this,
            &EditorShell::DecompiledData_Click);
    connect(m_window.revertAction(), &QAction::triggered, this, &EditorShell::Revert_Click);
    connect(m_window.aboutAction(), &QAction::triggered, this, &EditorShell::About_Click);
    connect(&m_window, &WepnEditor_Main::weaponDropped, this, &EditorShell::openOutside);
    m_window.installEventFilter(this);
    refreshRecentMenu();
    addWindowMenu();
}

EditorShell::~EditorShell() {
    // The window outlives the shell; its writer must not reach back here.
    m_window.setFileWriter({});
}

bool EditorShell::eventFilter(QObject* watched, QEvent* event) {
    // Closing the main window ends the program at once, dialogs and all.
    if (watched == &m_window && event->type() == QEvent::WindowActivate) {
        offerReload();
    }
    if (watched == &m_window && event->type() == QEvent::Close) {
        if (!closeRequested()) {
            event->ignore();
            return true;
        }
        WindowGeometrySetting().save(m_window);
        for (QWidget* dialog :
             {static_cast<QWidget*>(m_frmOpen.get()), static_cast<QWidget*>(m_frmSave.get()),
              static_cast<QWidget*>(m_frmDataDir.get()), static_cast<QWidget*>(m_table.get())}) {
            if (dialog != nullptr) {
                dialog->hide();
            }
        }
        QCoreApplication::quit();
    }
    return QObject::eventFilter(watched, event);
}

bool EditorShell::closeRequested() {
    // The table's unsaved weapons first: its question needs no second step.
    if (m_table && !m_table->settleChanges()) {
        return false;
    }
    return settleChanges([this] { m_window.close(); });
}

bool EditorShell::settleChanges(std::function<void()> next) {
    if (!m_window.isModified()) {
        return true;
    }
    const QString question =
        quoted("Save changes to '%1'?", directory_tree::lastNameOf(m_currentFile));
    switch (m_messages->ask(question, {QStringLiteral("Save As..."), QStringLiteral("Discard"),
                                       QStringLiteral("Cancel")})) {
    case 0:
        Save_Click();
        m_afterSave = std::move(next);
        return false;
    case 1:
        return true;
    default:
        return false;
    }
}

void EditorShell::restoreWindowGeometry() {
    WindowGeometrySetting().restore(m_window);
}

void EditorShell::Revert_Click() {
    if (!m_window.isModified() ||
        !m_messages->confirm(quoted("Discard the changes and reload '%1' from disk?",
                                    directory_tree::lastNameOf(m_currentFile)))) {
        return;
    }
    openPath(m_currentFile);
}

void EditorShell::About_Click() {
    m_messages->show(QStringLiteral("%1\nEdits the weapon scripts (.wepn) of "
                                    "Vyrheim 2: their fields, impact results, penetration and "
                                    "accuracy.\nBuilt with Qt %2.")
                         .arg(WindowCaption::startup(), QString::fromLatin1(qVersion())));
}

void EditorShell::DecompiledData_Click() {
    m_frmDataDir = std::make_unique<FrmDecompiledDataDir>(&m_window, m_fso, m_dialogMessages,
                                                          m_paths.strDataDir);
    connect(m_frmDataDir.get(), &FrmDecompiledDataDir::confirmed, this,
            &EditorShell::dataDirectoryConfirmed);
    m_frmDataDir->showDialog();
}

void EditorShell::dataDirectoryConfirmed(const QString& directory) {
    // The derived paths keep their start-up values until the next start.
    m_paths.strDataDir = directory;
    DecompiledDataSetting().write(directory);
}

} // namespace wepn
