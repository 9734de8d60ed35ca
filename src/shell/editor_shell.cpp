#include "shell/editor_shell.h"

#include "editor/latin1_text.h"
#include "editor/message_box_sink.h"
#include "editor/wepn_editor_main.h"
#include "editor/window_caption.h"
#include "files/directory_listing.h"
#include "files/file_identity.h"
#include "files/file_io.h"
#include "model/family_list.h"
#include "model/load.h"
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
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QtGlobal>
#include <filesystem>
#include <system_error>

namespace wepn {
namespace {

namespace fs = std::filesystem;

// The widest a recent file's menu entry gets, in average characters.
constexpr int kRecentEntryChars = 80;

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
    m_frmOpen->setInitDir(m_paths.strWEPNDir);
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
    if (prepareOrSay()) {
        m_frmOpen->showOpen();
    }
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

void EditorShell::offerDataDirectory() {
    const QString dir = m_paths.strDataDir;
    auto* keep = new QPushButton(QStringLiteral("&Keep It"), m_window.statusBar());
    keep->setObjectName(QStringLiteral("KeepDataFolder"));
    m_window.statusBar()->addPermanentWidget(keep);
    connect(keep, &QPushButton::clicked, this, [this, keep, dir] {
        DecompiledDataSetting().write(dir);
        notify(QStringLiteral("'%1' is kept as the data folder; Settings > Manage Directories > "
                              "Decompiled Data changes it.")
                   .arg(dir));
        keep->deleteLater();
    });
    notify(QStringLiteral("Using '%1', which holds this weapon's folder, as the data folder for "
                          "this run.")
               .arg(dir));
}

void EditorShell::notify(const QString& text) {
    QStatusBar* bar = m_window.statusBar();
    auto* label = bar->findChild<QLabel*>(QStringLiteral("Notice"));
    if (label == nullptr) {
        label = new QLabel(bar);
        label->setObjectName(QStringLiteral("Notice"));
        // Two lines hold a notice that names a long path; the whole text is
        // the tooltip.
        label->setWordWrap(true);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        label->setFixedHeight(label->fontMetrics().lineSpacing() * 2);
        bar->addWidget(label, 1);
        // The status bar takes room of its own, not the designed layout's.
        m_window.resize(m_window.size() + QSize(0, bar->sizeHint().height()));
        WindowGeometrySetting::fitToScreen(m_window);
    }
    label->setText(text);
    label->setToolTip(text);
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

void EditorShell::refreshRecentMenu() {
    QMenu* menu = m_window.openRecentMenu();
    menu->clear();
    menu->setToolTipsVisible(true);
    const std::vector<std::string> paths = RecentFiles().read();
    // A long path is shortened in its middle, where its folders are; the
    // whole path shows as the entry's tooltip.
    const QFontMetrics metrics(menu->font());
    const int width = metrics.averageCharWidth() * kRecentEntryChars;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        const std::string path = paths[k];
        const QString shown = displayText(path);
        QString entry = metrics.elidedText(shown, Qt::ElideMiddle, width);
        entry.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(entry));
        action->setToolTip(shown);
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    menu->addSeparator();
    QAction* clear = menu->addAction(QStringLiteral("Clear Menu"));
    clear->setObjectName(QStringLiteral("ClearRecent"));
    clear->setEnabled(!paths.empty());
    connect(clear, &QAction::triggered, this, [this] {
        RecentFiles().clear();
        refreshRecentMenu();
    });
}

void EditorShell::rememberFile(const std::string& nativePath) {
    RecentFiles().add(nativePath);
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
    // A weapon kept outside the data directory is saved beside itself unless
    // the user goes elsewhere: the same name in the weapon directory is most
    // likely another weapon.
    const std::string current = directory_tree::absoluteOf(m_currentFile);
    m_frmSave->setInitDir(
        directory_tree::isAtOrBelow(current, directory_tree::absoluteOf(m_paths.nativeDataDir))
            ? m_frmOpen->initDir()
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
