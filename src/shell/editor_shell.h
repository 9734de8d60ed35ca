#pragma once

#include "files/custom_fso.h"
#include "files/file_identity.h"
#include "model/expected.h"
#include "model/family_list.h"
#include "shell/data_paths.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace wepn {

class FrmDecompiledDataDir;
class FrmOpen;
class FrmSave;
class MessageSink;
class WeaponTableWindow;
class WepnEditor_Main;
struct DeskChecks;

// The application around the editor window: the data directory and its
// derived paths, the File and Settings commands, and the three dialogs.
class EditorShell : public QObject {
    Q_OBJECT
  public:
    // Reads the data directory from the settings and derives the paths (no
    // path is tested yet) and connects the window's menu commands.
    // `messages` receives the shell's and the dialogs' message texts; without
    // one they go to message boxes.
    explicit EditorShell(WepnEditor_Main& window, MessageSink* messages = nullptr);
    ~EditorShell() override;

    // Opens a weapon script named on the command line (a native path) just as
    // File > Open would, with the same checks, family list and messages.
    void openFromCommandLine(const QString& path);

    // Shows the weapon table on a folder's weapons (the Window menu's Weapon
    // Table, a folder given on the command line or dropped); the table already
    // on that folder is only brought up.
    void openTable(const std::string& nativeFolder);
    // Null until the weapon table is first opened.
    WeaponTableWindow* table() const { return m_table.get(); }

    // The main window's size and place from the last run, when kept.
    void restoreWindowGeometry();

    const DataPaths& paths() const { return m_paths; }
    // Null until File > Open is first chosen.
    FrmOpen* frmOpen() const { return m_frmOpen.get(); }
    // Null until Save As is first chosen.
    FrmSave* frmSave() const { return m_frmSave.get(); }
    // Null until the data-directory dialog is first opened.
    FrmDecompiledDataDir* frmDecompiledDataDir() const { return m_frmDataDir.get(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What File > Open reads before the file is chosen. It reaches the window
    // only with a successful load, so a cancelled Open changes nothing there.
    struct OpenPreparation {
        FamilyRows familyRows;
        QStringList weaponFireNames;
    };

    void Open_Click();
    void Save_Click();
    void DecompiledData_Click();
    void Revert_Click();
    void About_Click();
    // What File > Open reads, or the message that says why it cannot.
    Expected<OpenPreparation, QString> prepareOpen();
    // prepareOpen, showing its message when it fails; true when prepared.
    bool prepareOrSay();
    static FamilyRows familyRowsOf(const std::string& nativeWeapon);
    // Says in the status bar that the data directory found beside a weapon
    // serves this run, with a button that keeps it.
    void offerDataDirectory();
    // Puts `text` in the status bar, where it stays until the next notice.
    void notify(const QString& text);
    // Opens `nativePath` once unsaved changes are saved or let go.
    void openChosen(const std::string& nativePath);
    void openPath(const std::string& nativePath);
    // Opens a dropped, recent or command-line file as File > Open would.
    void openOutside(const QString& path);
    void openNative(const std::string& nativePath);
    void openRecent(const std::string& nativePath);
    void rememberFile(const std::string& nativePath);
    void refreshRecentMenu();
    // True when nothing unsaved stands in the way of `next`. Otherwise asks:
    // Discard gives true, Cancel false, and Save As false after showing the
    // save dialog, whose successful save runs `next`.
    bool settleChanges(std::function<void()> next);
    bool closeRequested();
    // False when the user declines to replace an existing file other than the
    // one being edited.
    bool mayReplace(const std::string& nativePath);
    // Offers to reload the file when another program changed it and the
    // window holds no unsaved edit.
    void offerReload();
    void saveChosen(const std::string& nativePath);
    std::optional<QString> writeThroughFileLayer(const QString& shownPath,
                                                 std::string_view bytes) const;
    void dataDirectoryConfirmed(const QString& directory);
    void addWindowMenu();
    // The checks of the table's weapons: the data directory's families and effects.
    DeskChecks deskChecks() const;
    // Opens the table's weapon in this window; one changed there opens with
    // its changes, marked unsaved.
    void openFromTable(int row);

    WepnEditor_Main& m_window;
    std::unique_ptr<MessageSink> m_ownMessages;
    MessageSink* m_dialogMessages;
    MessageSink* m_messages;
    CustomFSO m_fso;
    DataPaths m_paths;
    std::optional<OpenPreparation> m_preparation;
    // The weapon directory of the last prepared Open: where Open and Save As start.
    std::string m_weaponDir;
    // The native path of the file last opened or saved.
    std::string m_currentFile;
    // The file as it was opened or last saved, to notice another program's edit.
    std::optional<FileStamp> m_currentStamp;
    std::unique_ptr<FrmOpen> m_frmOpen;
    std::unique_ptr<FrmSave> m_frmSave;
    std::unique_ptr<FrmDecompiledDataDir> m_frmDataDir;
    std::unique_ptr<WeaponTableWindow> m_table;
    // What follows a save chosen in answer to the unsaved-changes question.
    std::function<void()> m_afterSave;
};

} // namespace wepn
