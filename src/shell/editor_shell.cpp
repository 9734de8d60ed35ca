#include "shell/editor_shell.h"

#include "editor/latin1_text.h"
#include "editor/message_box_sink.h"
#include "editor/wepn_editor_main.h"
#include "editor/window_caption.h"
#include "files/directory_listing.h"
#include "files/file_identity.h"
#include "files/file_io.h"
#include "model/family_list.h"
#include "model/script_lines.h"
#include "shell/decompiled_data_setting.h"
#include "shell/directory_tree.h"
#include "shell/frm_decompiled_data_dir.h"
#include "shell/frm_open.h"
#include "shell/frm_save.h"
#include "shell/path_text.h"
#include "shell/recent_files.h"
#include "shell/window_geometry_setting.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QtGlobal>

namespace wepn {
namespace {

QString withReason(const QString& text, const std::string& reason) {
    return text + QLatin1Char('\n') + displayText(reason);
}

QString quoted(const char* message, const std::string& path) {
    return QString::fromLatin1(message).arg(displayText(path));
}

} // namespace

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
    m_frmOpen = std::make_unique<FrmOpen>(&m_window);

    connect(m_window.openAction(), &QAction::triggered, this, &EditorShell::Open_Click);
    connect(m_window.saveAsAction(), &QAction::triggered, this, &EditorShell::Save_Click);
    connect(m_window.exitAction(), &QAction::triggered, &m_window, &QWidget::close);
    connect(m_window.decompiledDataAction(), &QAction::triggered, this,
            &EditorShell::DecompiledData_Click);
    connect(m_window.revertAction(), &QAction::triggered, this, &EditorShell::Revert_Click);
    connect(m_window.aboutAction(), &QAction::triggered, this, &EditorShell::About_Click);
    connect(&m_window, &WepnEditor_Main::weaponDropped, this, &EditorShell::openOutside);
    connect(m_frmOpen.get(), &FrmOpen::openChosen, this, &EditorShell::openChosen);
    m_window.installEventFilter(this);
    refreshRecentMenu();
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
              static_cast<QWidget*>(m_frmDataDir.get())}) {
            if (dialog != nullptr) {
                dialog->hide();
            }
        }
        QCoreApplication::quit();
    }
    return QObject::eventFilter(watched, event);
}

std::optional<EditorShell::OpenPreparation> EditorShell::prepareOpen() {
    if (!m_fso.FolderExists(m_paths.strWFDir)) {
        QString text = quoted("The folder '%1' does not exist.", m_paths.strWFDir);
        if (!m_fso.FolderExists(m_paths.nativeDataDir)) {
            // No game data there at all, as on a first run.
            text += QStringLiteral("\nChoose your Data folder with Settings > Manage Directories > "
                                   "Decompiled Data.");
        }
        m_messages->show(text);
        return std::nullopt;
    }
    // Something there that is no ordinary file is named as such below.
    if (!fileIdentity(m_paths.strFLFile)) {
        m_messages->show(quoted("The file '%1' does not exist.", m_paths.strFLFile));
        return std::nullopt;
    }
    const ReadResult familyList = readFileBytes(m_paths.strFLFile, kMaxScriptBytes);
    if (!familyList.ok()) {
        // The file is there but cannot be read: say why.
        m_messages->show(
            withReason(quoted("Could not read '%1'.", m_paths.strFLFile), *familyList.error));
        return std::nullopt;
    }
    OpenPreparation preparation;
    preparation.familyRows = readFamilyList(familyList.bytes);
    for (const std::string& name : weaponFireNames(m_paths.strWFDir)) {
        preparation.weaponFireNames << fromLatin1(name);
    }
    m_frmOpen->setInitDir(m_paths.strWEPNDir);
    return preparation;
}

void EditorShell::Open_Click() {
    std::optional<OpenPreparation> preparation = prepareOpen();
    if (!preparation) {
        return;
    }
    m_preparation = std::move(preparation);
    m_frmOpen->showOpen();
}

void EditorShell::openFromCommandLine(const QString& path) {
    m_preparation = prepareOpen();
    if (m_preparation) {
        openChosen(toFileBytes(path));
    }
}

bool EditorShell::closeRequested() {
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

void EditorShell::openOutside(const QString& path) {
    m_preparation = prepareOpen();
    if (m_preparation) {
        openChosen(toFileBytes(path));
    }
}

void EditorShell::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        RecentFiles().remove(path);
        refreshRecentMenu();
        m_messages->show(QStringLiteral("The file '%1' no longer exists. It has been removed "
                                        "from the recent files.")
                             .arg(path));
        return;
    }
    openOutside(path);
}

void EditorShell::refreshRecentMenu() {
    QMenu* menu = m_window.openRecentMenu();
    menu->clear();
    const QStringList paths = RecentFiles().read();
    for (qsizetype k = 0; k < paths.size(); ++k) {
        const QString path = paths[k];
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(path));
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    menu->addSeparator();
    QAction* clear = menu->addAction(QStringLiteral("Clear Menu"));
    clear->setObjectName(QStringLiteral("ClearRecent"));
    clear->setEnabled(!paths.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        RecentFiles().clear();
        refreshRecentMenu();
    });
}

void EditorShell::rememberFile(const std::string& nativePath) {
    RecentFiles().add(displayText(nativePath));
    refreshRecentMenu();
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

void EditorShell::openChosen(const std::string& nativePath) {
    if (!m_preparation || !settleChanges([this, nativePath] { openChosen(nativePath); })) {
        return;
    }
    openPath(nativePath);
}

void EditorShell::openPath(const std::string& nativePath) {
    const ReadResult read = readFileBytes(nativePath, kMaxScriptBytes);
    if (!read.ok()) {
        m_messages->show(withReason(quoted("Could not read '%1'.", nativePath), *read.error));
        return;
    }
    if (m_window.openFile(displayText(nativePath), read.bytes, m_preparation->familyRows,
                          m_preparation->weaponFireNames)) {
        m_currentFile = nativePath;
        m_currentStamp = fileStampOf(nativePath);
        rememberFile(nativePath);
    }
}

void EditorShell::offerReload() {
    if (!m_currentStamp || m_window.isModified() || !m_preparation) {
        return;
    }
    const std::optional<FileStamp> now = fileStampOf(m_currentFile);
    if (!now || now == m_currentStamp) {
        return;
    }
    m_currentStamp = now; // asked once for each change
    if (m_messages->confirm(quoted("'%1' has been changed on disk. Reload it?",
                                   directory_tree::lastNameOf(m_currentFile)))) {
        openPath(m_currentFile);
    }
}

void EditorShell::Save_Click() {
    m_afterSave = {};
    if (!m_frmSave) {
        m_frmSave = std::make_unique<FrmSave>(&m_window);
        connect(m_frmSave.get(), &FrmSave::saveChosen, this, &EditorShell::saveChosen);
        m_frmSave->setReplaceCheck([this](const std::string& path) { return mayReplace(path); });
    }
    m_frmSave->setFileName(directory_tree::lastNameOf(m_currentFile));
    m_frmSave->setInitDir(m_frmOpen->initDir());
    m_frmSave->showSave();
}

bool EditorShell::mayReplace(const std::string& nativePath) {
    const std::optional<FileIdentity> chosen = fileIdentity(nativePath);
    if (!chosen) {
        return true;
    }
    if (chosen == fileIdentity(m_currentFile)) {
        if (!m_currentStamp || fileStampOf(nativePath) == m_currentStamp) {
            return true;
        }
        return m_messages->ask(quoted("'%1' has been changed on disk since it was opened. "
                                      "Overwrite it, or Cancel?",
                                      directory_tree::lastNameOf(nativePath)),
                               {QStringLiteral("Overwrite"), QStringLiteral("Cancel")}) == 0;
    }
    return m_messages->confirm(
        quoted("'%1' already exists. Replace it?", directory_tree::lastNameOf(nativePath)));
}

void EditorShell::saveChosen(const std::string& nativePath) {
    // The window takes the chosen path as its file even when the save fails,
    // and so does the shell.
    if (nativePath != m_currentFile) {
        m_currentStamp.reset();
    }
    m_currentFile = nativePath;
    if (!m_window.saveFile(displayText(nativePath))) {
        return;
    }
    m_currentStamp = fileStampOf(nativePath);
    rememberFile(nativePath);
    if (std::function<void()> next = std::exchange(m_afterSave, {})) {
        next();
    }
}

std::optional<QString> EditorShell::writeThroughFileLayer(const QString& shownPath,
                                                          std::string_view bytes) const {
    // The window names its file for the eye; the bytes of that name are the
    // shell's. Saves go through the file layer, as wepn's do.
    const std::string path =
        shownPath == displayText(m_currentFile) ? m_currentFile : toFileBytes(shownPath);
    const std::optional<std::string> error = writeFileSafely(path, bytes);
    if (error) {
        return displayText(*error);
    }
    return std::nullopt;
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
