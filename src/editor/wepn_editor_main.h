#pragma once

#include "editor/file_writer.h"
#include "editor/window_controls.h"
#include "model/family_list.h"
#include "model/script_reader.h"
#include "model/weapon.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <string_view>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class QMenu;
class QScrollArea;
class QUndoStack;

namespace wepn {

class FamilyEditor;
class FieldEditor;
class MessageSink;
class ResultsEditor;
class WindowHistory;
class WindowMenus;
struct LoadOutcome;

/// The editor's one window: shows a weapon state in six frames; every change
/// the user makes is a command on the state, which is what a save writes. File dialogs, settings
/// and reading files are the application's; it hands the bytes in and connects the menu actions.
class WepnEditor_Main : public QMainWindow {
    Q_OBJECT
  public:
    /// `messages` receives every message box text; without one the window
    /// shows modal message boxes itself. The sink must outlive the window.
    explicit WepnEditor_Main(MessageSink* messages = nullptr, QWidget* parent = nullptr);
    ~WepnEditor_Main() override;

    QAction* openAction() const;
    QAction* saveAsAction() const;
    QAction* exitAction() const;
    QAction* decompiledDataAction() const;
    QMenu* openRecentMenu() const;
    QAction* undoAction() const;
    QAction* redoAction() const;
    QAction* revertAction() const;
    QAction* aboutAction() const;

    /// True when the user has changed the open weapon since it was loaded or
    /// last saved (and has not undone the changes).
    bool isModified() const;
    QUndoStack& history() const;
    /// The window's controls, resolved once when it was built.
    const WindowControls& controls() const { return m_controls; }

    /// Loads a weapon script over the current state and shows it, with the
    /// family rows and weapon-fire names read for this Open. On failure shows
    /// a message naming the file, line and reason, changes nothing and
    /// returns false.
    bool openFile(const QString& nativePath, std::string_view bytes, const FamilyRows& familyRows,
                  const QStringList& weaponFireNames);

    /// Opens a weapon whose file loaded as `loaded` and which was changed
    /// since elsewhere (the weapon table): shows `changed` as one step on the
    /// history, so the caption has its `*` and Undo gives the file's values.
    void openChanged(const QString& nativePath, const LoadOutcome& loaded,
                     const LoadOutcome& changed, const QStringList& weaponFireNames);

    /// Writes the whole weapon state to `nativePath`, then reports success or
    /// failure in a message. Text still being typed is committed first;
    /// nothing is written while a field holds rejected text. `nativePath`
    /// becomes the window's file only when the save works.
    bool saveFile(const QString& nativePath);

    /// Replaces the step that puts the written bytes on disk.
    void setFileWriter(FileWriter writer);

    /// The path of the file last opened or saved; empty before the first.
    QString filePath() const { return m_filePath; }
    const WeaponState& state() const { return m_state; }

    /// The native path of a single weapon script in a drop's data, or "".
    static QString droppedWeapon(const QMimeData* data);
    /// The native path of a single local folder in a drop's data, or "".
    static QString droppedFolder(const QMimeData* data);

  signals:
    /// One weapon script was dropped on the window.
    void weaponDropped(const QString& nativePath);
    /// One folder was dropped on the window (the weapon table opens on it).
    void folderDropped(const QString& nativePath);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static bool isOurDrop(const QMimeData* data);
    void present(const LoadOutcome& outcome, const QStringList& weaponFireNames);
    // The state and what shows it, without the file's tables or its warnings.
    void presentState(const LoadOutcome& outcome);
    void updateModified();
    void showSaveFailure(const QString& detail);
    void settleLaterTables(WeaponState& saved);

    std::unique_ptr<MessageSink> m_ownMessages;
    MessageSink* m_messages;
    WindowControls m_controls;
    QScrollArea* m_scroll = nullptr;
    WindowHistory* m_history = nullptr;
    std::unique_ptr<WindowMenus> m_menus;
    WeaponState m_state;
    // The file's table statements after the first of their kind, and its
    // tables as last loaded or saved: a save asks about a changed table that
    // such a statement sets again.
    std::vector<LaterTable> m_laterTables;
    PenetrationSet m_filePenetration;
    AccuracySet m_fileAccuracy;
    QString m_filePath;
    FileWriter m_writer;
    FieldEditor* m_fields = nullptr;
    ResultsEditor* m_results = nullptr;
    FamilyEditor* m_families = nullptr;
};

} // namespace wepn
