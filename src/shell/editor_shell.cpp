#include "shell/editor_shell.h"

#include "editor/latin1_text.h"
#include "editor/message_box_sink.h"
#include "editor/wepn_editor_main.h"
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

#include <QAction>
#include <QCoreApplication>
#include <QEvent>

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
    connect(m_frmOpen.get(), &FrmOpen::openChosen, this, &EditorShell::openChosen);
    m_window.installEventFilter(this);
}

EditorShell::~EditorShell() {
    // The window outlives the shell; its writer must not reach back here.
    m_window.setFileWriter({});
}

bool EditorShell::eventFilter(QObject* watched, QEvent* event) {
    // Closing the main window ends the program at once, dialogs and all.
    if (watched == &m_window && event->type() == QEvent::Close) {
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

void EditorShell::openChosen(const std::string& nativePath) {
    if (!m_preparation) {
        return;
    }
    const ReadResult read = readFileBytes(nativePath, kMaxScriptBytes);
    if (!read.ok()) {
        m_messages->show(withReason(quoted("Could not read '%1'.", nativePath), *read.error));
        return;
    }
    if (m_window.openFile(displayText(nativePath), read.bytes, m_preparation->familyRows,
                          m_preparation->weaponFireNames)) {
        m_currentFile = nativePath;
    }
}

void EditorShell::Save_Click() {
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
    if (!chosen || chosen == fileIdentity(m_currentFile)) {
        return true;
    }
    return m_messages->confirm(
        quoted("'%1' already exists. Replace it?", directory_tree::lastNameOf(nativePath)));
}

void EditorShell::saveChosen(const std::string& nativePath) {
    // The window takes the chosen path as its file even when the save fails,
    // and so does the shell.
    m_currentFile = nativePath;
    m_window.saveFile(displayText(nativePath));
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
