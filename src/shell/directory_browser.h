#pragma once

#include "files/directory_listing.h"
#include "shell/drive_list.h"

#include <QObject>
#include <string>
#include <vector>

class QComboBox;
class QKeyEvent;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace wepn {

// The drive selector `Drive`, the directory list `Directory` and the file
// list `lstFiles` that both file dialogs share; the dialogs lay them out. The
// directory list shows the current directory's ancestors from its drive's
// root down, one indented row each, then its sub-directories; clicking a row
// or choosing a drive changes the current path, and every change lists it
// afresh. By keyboard, Enter on a row of the directory list goes there, and
// Backspace or Alt+Up goes up. Rows show names for the eye and keep their
// bytes for opening.
class DirectoryBrowser : public QObject {
    Q_OBJECT
  public:
    explicit DirectoryBrowser(QWidget* dialog);

    // The current directory: native, absolute.
    const std::string& path() const { return m_path; }
    // Goes to `path` and lists the drives, the directory and its ".wepn"
    // names afresh, also when `path` is the current directory already.
    void setPath(const std::string& path);

    // Goes to the folder holding the current one (none above "/").
    void goUp();
    // Backspace and Alt+Up go up a folder: true when `event` was one of them.
    bool navigationKey(const QKeyEvent* event);

    // The bytes a row stands for: the name of a row of `lstFiles`, the path of
    // a row of `Directory`.
    static std::string bytesOf(const QListWidgetItem* row);

    QComboBox* drive() const { return m_drive; }
    QListWidget* directory() const { return m_directory; }
    QListWidget* files() const { return m_files; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void driveChosen(int index);
    void directoryChosen(const QListWidgetItem* item);
    void fillDrives();
    void fillDirectoryList(const std::string& root, const std::vector<DirectoryEntry>& entries);
    void fillFileList(const std::vector<DirectoryEntry>& entries);

    QList<DriveEntry> m_drives;
    std::string m_path;
    QComboBox* m_drive;
    QListWidget* m_directory;
    QListWidget* m_files;
};

} // namespace wepn
