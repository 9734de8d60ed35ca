#pragma once

#include "desk/column_sets.h"
#include "desk/desk_loader.h"
#include "sheet/desk_folder.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <optional>

class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QUndoStack;

namespace wepn {

class FrozenColumnView;
class MessageSink;
class WeaponFilterProxy;
class WeaponTableModel;

// The balancing desk's window: every weapon of a folder as one row, found by
// sorting and a filter line, loaded in the background.
class WeaponTableWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit WeaponTableWindow(QWidget* parent = nullptr);
    ~WeaponTableWindow() override;

    // Lists the folder's weapon files and loads them on worker threads, the
    // rows appearing as they load; the checks say what each weapon's
    // problems are. Rows name their files relative to `nativeRoot` (the data
    // directory, as `wepn table --data` does) when the folder lies inside it,
    // and to the folder itself otherwise. Cancels a load under way and drops the
    // rows and their history: ask `settleChanges` first.
    void openFolder(const std::string& nativeFolder, const DeskChecks& checks,
                    const std::string& nativeRoot = {});
    // The folder last opened, as given, and the folder its rows are named in.
    const std::string& folder() const { return m_folder; }
    const std::string& root() const { return m_root; }
    // Asks to save the changed weapons, as the main window asks for its
    // weapon; true when the rows may be closed or replaced.
    bool settleChanges();
    // Where the window's questions and reports go: message boxes over it
    // until one is given (the editor gives its own).
    void setMessageSink(MessageSink& messages) { m_messages = &messages; }
    const DeskChecks& checks() const { return m_checks; }
    bool isLoading() const;
    // Stops loading; the weapons loaded so far stay.
    void cancelLoading();
    // Reads a file saved elsewhere (by the main window) again, when it is a
    // row the table has not changed; a changed row keeps its changes, and
    // Save All asks before writing over the file.
    void reloadFile(const std::string& nativeFile);

    WeaponTableModel& model() const { return *m_model; }
    WeaponFilterProxy& proxy() const { return *m_proxy; }
    FrozenColumnView& view() const { return *m_view; }
    QUndoStack& history() const { return *m_history; }
    QLineEdit& filterLine() const { return *m_filter; }
    QMenu& viewMenu() const { return *m_viewMenu; }

    // "N weapons, M shown, K changed, F failed".
    QString countsText() const;
    // Keeps the columns as they stand now under `name`, replacing a set of
    // that name; the View menu lists it.
    void saveColumnSet(const QString& name);
    // Shows the columns of a saved set; false when there is none by that name.
    bool useColumnSet(const QString& name);
    void showAllColumns();

  signals:
    // The user asked to open the weapon of this model row in the main window.
    void weaponActivated(int modelRow);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildStatusBar();
    void filterChanged(const QString& text);
    void batchLoaded(std::vector<DeskWeapon>& batch);
    void loadProgress(qsizetype done, qsizetype total);
    void loadFinished(bool cancelled);
    // Reads the row's file again with the checks, as the folder's load did.
    void reloadRow(int row);
    void showCounts();
    void columnsReset();
    void columnsRearranged();
    void showHeaderMenu(const QPoint& place);
    void fillViewMenu();
    void askColumnSetName();
    void openFolderChosen();
    void buildEditing(QMenu& file, QMenu& edit);
    void bulkEdit();
    void saveAll();
    void revertSelected();
    void revertAll();
    void exportTable();
    void importTable();
    // The model rows of the selected cells, each once.
    std::vector<int> selectedRows() const;

    WeaponTableModel* m_model;
    WeaponFilterProxy* m_proxy;
    FrozenColumnView* m_view;
    QUndoStack* m_history;
    QLineEdit* m_filter;
    QMenu* m_viewMenu = nullptr;
    QLabel* m_counts = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    DeskLoader m_loader;
    QTimer m_countsTimer;
    std::string m_folder;
    std::string m_root;
    MessageSink* m_messages = nullptr;
    DeskChecks m_checks;
    ColumnSet m_columns;
    bool m_arranging = false;
};

} // namespace wepn
