#include "desk/weapon_table_window.h"
#include "editor/message_sink.h"
#include "editor/wepn_editor_main.h"
#include "files/file_identity.h"
#include "files/file_io.h"
#include "shell/directory_tree.h"
#include "shell/editor_shell.h"
#include "shell/frm_save.h"
#include "shell/path_text.h"
#include "shell/shell_texts.h"

#include <filesystem>
#include <system_error>
#include <utility>

// File > Save As: where it starts, what it may replace, and the write.
namespace wepn {

namespace fs = std::filesystem;

void EditorShell::Save_Click() {
    m_afterSave = {};
    if (!m_frmSave) {
        m_frmSave = std::make_unique<FrmSave>(&m_window);
        connect(m_frmSave.get(), &FrmSave::saveChosen, this, &EditorShell::saveChosen);
        m_frmSave->setReplaceCheck([this](const std::string& path) { return mayReplace(path); });
    }
    m_frmSave->setFileName(directory_tree::lastNameOf(m_currentFile));
    // A weapon kept outside the data directory is saved beside itself unless
    // the user goes elsewhere: the same name in the weapon directory is most
    // likely another weapon.
    const std::string current = directory_tree::absoluteOf(m_currentFile);
    m_frmSave->setInitDir(
        directory_tree::isAtOrBelow(current, directory_tree::absoluteOf(m_paths.nativeDataDir))
            ? m_weaponDir
            : directory_tree::parentOf(current));
    m_frmSave->showSave();
}

bool EditorShell::mayReplace(const std::string& nativePath) {
    const QString name = displayText(directory_tree::lastNameOf(nativePath));
    const QString folder = displayText(directory_tree::parentOf(nativePath));
    // What no save can replace is refused before anything is asked.
    std::error_code ec;
    const fs::file_status status = fs::status(nativePath, ec);
    if (fs::is_directory(status) || (fs::exists(status) && !fs::is_regular_file(status))) {
        m_messages->show(QStringLiteral("'%1' in '%2' is %3. Choose another name.")
                             .arg(name, folder,
                                  fs::is_directory(status)
                                      ? QStringLiteral("a folder")
                                      : QStringLiteral("not an ordinary file")));
        return false;
    }
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
        QStringLiteral("'%1' already exists in '%2'. Replace it?").arg(name, folder));
}

void EditorShell::saveChosen(const std::string& nativePath) {
    // The writer names the new file by these bytes; a save that fails leaves
    // the file being edited as it was.
    std::string previous = std::exchange(m_currentFile, nativePath);
    if (!m_window.saveFile(displayText(nativePath))) {
        m_currentFile = std::move(previous);
        return;
    }
    m_currentStamp = fileStampOf(nativePath);
    rememberFile(nativePath);
    if (m_table) {
        m_table->reloadFile(nativePath);
    }
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

} // namespace wepn
