#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <string>

namespace wepn {

// One row of a dialog's drive selector: what it shows, the native directory
// choosing it goes to, and the folder that directory is (a Wine drive's link
// resolved; else the directory itself).
struct DriveEntry {
    QString label;
    std::string path;
    std::string folder;
};

// The drives offered by the dialogs: the root "/", the home directory, and
// each drive letter of the Wine prefix (~/.wine/dosdevices), ready or not,
// shown with its letter and the folder it maps to.
QList<DriveEntry> availableDrives();

// The drive that holds `path` (absolute, as directory_tree::absoluteOf makes
// it) and the root of that drive's part of it: the longest path or folder of
// an entry that `path` is at or below; the first such entry on a tie.
struct DriveMatch {
    int index = -1;
    std::string root;
};
std::optional<DriveMatch> driveHolding(const QList<DriveEntry>& drives, const std::string& path);

} // namespace wepn
