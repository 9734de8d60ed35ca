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
    return text + QLatin1Char('\n') + fromFileBytes(reason);
}

// Saves go through the file layer, as wepn's do: one way of replacing a file.
std::optional<QString> writeThroughFileLayer(const QString& nativePath, std::string_view bytes) {
    const std::optional<std::string> error = writeNativeFileSafely(toFileBytes(nativePath), bytes);
    if (error) {
        return fromFileBytes(*error);
    }
    return std::nullopt;
}

} // namespace

EditorShell::EditorShell(WepnEditor_Main& window, MessageSink* messages)
    : m_window(window), m_dialogMessages(messages) {
    if (messages == nullptr) {
        m_ownMessages = std::make_unique<MessageBoxSink>(&window);
        messages = m_ownMessages.get();
    }
    m_messages = messages;
    m_window.setFileWriter(&writeThroughFileLayer);
    m_paths = DataPaths::derivedFrom(DecompiledDataSetting().read());
    m_frmOpen = std::make_unique<FrmOpen>(&m_window, m_fso);

    connect(m_window.openAction(), &QAction::triggered, this, &EditorShell::Open_Click);
    connect(m_window.saveAsAction(), &QAction::triggered, this, &EditorShell::Save_Click);
    connect(m_window.exitAction(), &QAction::triggered, &m_window, &QWidget::close);
    connect(m_window.decompiledDataAction(), &QAction::triggered, this,
            &EditorShell::DecompiledData_Click);
    connect(m_frmOpen.get(), &FrmOpen::openChosen, this, &EditorShell::openChosen);
    m_window.installEventFilter(this);
}

EditorShell::~EditorShell() = default;

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
    if (!m_fso.FolderExists(toFileBytes(m_paths.strWFDir))) {
        m_messages->show(QStringLiteral("The folder '%1' does not exist.").arg(m_paths.strWFDir));
        return std::nullopt;
    }
    // Something there that is no ordinary file is named as such below.
    if (!fileIdentity(toFileBytes(m_paths.strFLFile))) {
        m_messages->show(QStringLiteral("The file '%1' does not exist.").arg(m_paths.strFLFile));
        return std::nullopt;
    }
    const QString familyListPath = nativePathOf(m_paths.strFLFile);
    const ReadResult familyList = readNativeFileBytes(toFileBytes(familyListPath), kMaxScriptBytes);
    if (!familyList.ok()) {
        // The file is there but cannot be read: say why.
        m_messages->show(withReason(QStringLiteral("Could not read '%1'.").arg(familyListPath),
                                    *familyList.error));
        return std::nullopt;
    }
    OpenPreparation preparation;
    preparation.familyRows = readFamilyList(familyList.bytes);
    for (const std::string& name :
         weaponFireNames(toFileBytes(m_paths.strWFDir + QLatin1Char('\\')))) {
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

void EditorShell::openFromCommandLine(const QString& nativePath) {
    m_preparation = prepareOpen();
    if (m_preparation) {
        openChosen(nativePath);
    }
}

void EditorShell::openChosen(const QString& windowsPath) {
    if (!m_preparation) {
        return;
    }
    const QString nativePath = nativePathOf(windowsPath);
    const ReadResult read = readNativeFileBytes(toFileBytes(nativePath), kMaxScriptBytes);
    if (!read.ok()) {
        m_messages->show(
            withReason(QStringLiteral("Could not read '%1'.").arg(nativePath), *read.error));
        return;
    }
    m_window.openFile(nativePath, read.bytes, m_preparation->familyRows,
                      m_preparation->weaponFireNames);
}

void EditorShell::Save_Click() {
    if (!m_frmSave) {
        m_frmSave = std::make_unique<FrmSave>(&m_window, m_fso);
        connect(m_frmSave.get(), &FrmSave::saveChosen, this, &EditorShell::saveChosen);
        m_frmSave->setReplaceCheck([this](const QString& path) { return mayReplace(path); });
    }
    const std::string current = toFileBytes(m_window.filePath());
    m_frmSave->setFileName(fromFileBytes(m_fso.GetFileName(current, "\\")));
    m_frmSave->setInitDir(m_frmOpen->initDir());
    m_frmSave->showSave();
}

bool EditorShell::mayReplace(const QString& windowsPath) {
    const std::optional<FileIdentity> chosen = fileIdentity(toFileBytes(nativePathOfNewFile(windowsPath)));
    if (!chosen || chosen == fileIdentity(toFileBytes(m_window.filePath()))) {
        return true;
    }
    const QString name = fromFileBytes(m_fso.GetFileName(toFileBytes(windowsPath), "\\"));
    return m_messages->confirm(QStringLiteral("'%1' already exists. Replace it?").arg(name));
}

void EditorShell::saveChosen(const QString& windowsPath) {
    m_window.saveFile(nativePathOfNewFile(windowsPath));
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
