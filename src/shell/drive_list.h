#pragma once

#include <QList>
#include <QString>

namespace wepn {

// One row of a dialog's drive selector: what it shows and the path (in the
// program's Windows form) that choosing it goes to.
struct DriveEntry {
    QString label;
    QString path;
};

// The drives offered by the dialogs. Without drive letters on the platform:
// the root "/", the home directory, and the drives of the Wine prefix
// (~/.wine/dosdevices), whether ready or not.
QList<DriveEntry> availableDrives();

// The row of `drives` that `path` lies on: its drive letter, else the home
// directory when under it, else the root; -1 when none fits.
int driveIndexFor(const QList<DriveEntry>& drives, const QString& path);

} // namespace wepn
