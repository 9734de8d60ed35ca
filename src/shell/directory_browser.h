#pragma once

#include "shell/drive_list.h"

#include <QObject>
#include <QRect>
#include <QString>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace wepn {

// The drive selector `Drive`, the directory list `Directory` and the file
// list `lstFiles` that both file dialogs share. The directory list shows the
// current directory's ancestors and sub-directories; opening an entry or
// choosing a drive changes the current `Path`, and every change refills
// `lstFiles` with the names that contain ".wepn".
class DirectoryBrowser : public QObject {
    Q_OBJECT
  public:
    DirectoryBrowser(QWidget* dialog, const QRect& driveRect, const QRect& directoryRect,
                     const QRect& filesRect);

    QString path() const { return m_path; }
    // Setting the path it already has is no change: the lists keep their rows.
    void setPath(const QString& path);

    QComboBox* drive() const { return m_drive; }
    QListWidget* directory() const { return m_directory; }
    QListWidget* files() const { return m_files; }

  private:
    void driveChosen(int index);
    void directoryOpened(QListWidgetItem* item);
    void fillDirectoryList();
    void fillFileList();

    QList<DriveEntry> m_drives;
    QString m_path;
    QComboBox* m_drive;
    QListWidget* m_directory;
    QListWidget* m_files;
};

} // namespace wepn
