#include "editor/latin1_text.h"
#include "editor/message_sink.h"
#include "editor/wepn_editor_main.h"
#include "files/directory_listing.h"
#include "files/file_identity.h"
#include "files/file_io.h"
#include "model/family_list.h"
#include "model/load.h"
#include "model/script_lines.h"
#include "shell/data_paths.h"
#include "shell/decompiled_data_setting.h"
#include "shell/directory_tree.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell/path_text.h"
#include "shell/recent_files.h"
#include "shell/shell_texts.h"

#include <filesystem>
#include <system_error>

// What File > Open, a drop, a recent file and the command line have in
// common: the data they need read first, then the weapon read and shown.
namespace wepn {

namespace fs = std::filesystem;

Expected<EditorShell::OpenPreparation, QString> EditorShell::prepareOpen() {
    if (!m_fso.FolderExists(m_paths.strWFDir)) {
        QString text = quoted("The folder '%1' does not exist.", m_paths.strWFDir);
        if (!m_fso.FolderExists(m_paths.nativeDataDir)) {
            // No game data there at all, as on a first run.
            text += QStringLiteral("\nChoose your Data folder with Settings > Manage Directories > "
                                   "Decompiled Data.");
        }
        return text;
    }
    // Something there that is no ordinary file is named as such below.
    if (!fileIdentity(m_paths.strFLFile)) {
        return quoted("The file '%1' does not exist.", m_paths.strFLFile);
    }
    const ReadResult familyList = readFileBytes(m_paths.strFLFile, kMaxScriptBytes);
    if (!familyList.ok()) {
        // The file is there but cannot be read: say why.
        return withReason(quoted("Could not read '%1'.", m_paths.strFLFile), *familyList.error);
    }
    OpenPreparation preparation;
    preparation.familyRows = readFamilyList(familyList.bytes);
    for (const std::string& name : weaponFireNames(m_paths.strWFDir)) {
        preparation.weaponFireNames << fromLatin1(name);
    }
    m_weaponDir = m_paths.strWEPNDir;
    return preparation;
}

bool EditorShell::prepareOrSay() {
    Expected<OpenPreparation, QString> preparation = prepareOpen();
    if (!preparation) {
        m_messages->show(preparation.error());
        return false;
    }
    m_preparation = std::move(*preparation);
    return true;
}

void EditorShell::Open_Click() {
    if (!prepareOrSay()) {
        return;
    }
    // Made at the first Open, not at start-up, where nothing needs it.
    if (!m_frmOpen) {
        m_frmOpen = std::make_unique<FrmOpen>(&m_window);
        connect(m_frmOpen.get(), &FrmOpen::openChosen, this, &EditorShell::openChosen);
    }
    m_frmOpen->setInitDir(m_weaponDir);
    m_frmOpen->showOpen();
}

void EditorShell::openFromCommandLine(const QString& path) {
    const std::string weapon = toFileBytes(path);
    // Opened from a file manager on a first run: the weapon's own data tree
    // serves until the user keeps it or chooses another.
    const std::optional<std::string> besideWeapon =
        DecompiledDataSetting().isStored() ? std::nullopt : dataDirectoryHolding(weapon);
    if (besideWeapon) {
        m_paths = DataPaths::derivedFromNative(*besideWeapon);
        offerDataDirectory();
    }
    Expected<OpenPreparation, QString> preparation = prepareOpen();
    if (preparation) {
        m_preparation = std::move(*preparation);
    } else {
        // The weapon asked for opens all the same, shown by the families it
        // names; what is missing is said beside it, not in its way.
        m_preparation = OpenPreparation{familyRowsOf(weapon), {}};
        notify(QString(preparation.error()).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
               QStringLiteral(" The weapon shows the families it names."));
    }
    openChosen(weapon);
}

FamilyRows EditorShell::familyRowsOf(const std::string& nativeWeapon) {
    const ReadResult read = readFileBytes(nativeWeapon, kMaxScriptBytes);
    if (!read.ok()) {
        return {};
    }
    const Expected<LoadOutcome, LoadError> named =
        loadWeapon(WeaponState{}, std::nullopt, read.bytes, LoadedTables::AsNamed);
    return named ? familyRowsNamedBy(named->state) : FamilyRows{};
}

void EditorShell::openOutside(const QString& path) {
    openNative(toFileBytes(path));
}

void EditorShell::openNative(const std::string& nativePath) {
    if (prepareOrSay()) {
        openChosen(nativePath);
    }
}

void EditorShell::openRecent(const std::string& nativePath) {
    std::error_code ec;
    if (!fs::exists(nativePath, ec)) {
        RecentFiles().remove(nativePath);
        refreshRecentMenu();
        m_messages->show(QStringLiteral("The file '%1' no longer exists. It has been removed "
                                        "from the recent files.")
                             .arg(displayText(nativePath)));
        return;
    }
    openNative(nativePath);
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

} // namespace wepn
