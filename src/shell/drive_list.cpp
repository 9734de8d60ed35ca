#include "shell/drive_list.h"

#include "files/path_mapping.h"
#include "shell/path_text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace wepn {
namespace {

bool isDriveName(const std::string& name) {
    return name.size() == 2 && name[1] == ':' && name[0] >= 'a' && name[0] <= 'z';
}

// The Wine prefix's drive letters, ready or not: "c:" may point to a missing
// directory, and the dialog then shows it empty.
QList<DriveEntry> wineDrives() {
    namespace fs = std::filesystem;
    QList<DriveEntry> drives;
    std::error_code ec;
    fs::directory_iterator it(homeDirectory() + "/.wine/dosdevices", ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isDriveName(name)) {
            const QString letter = QString::fromLatin1(name.data(), 2).toUpper();
            drives << DriveEntry{letter, letter + QLatin1Char('\\')};
        }
    }
    std::sort(drives.begin(), drives.end(),
              [](const DriveEntry& a, const DriveEntry& b) { return a.label < b.label; });
    return drives;
}

bool isUnder(const QString& path, const QString& dir) {
    return path.compare(dir, Qt::CaseInsensitive) == 0 ||
           path.startsWith(dir + QLatin1Char('\\'), Qt::CaseInsensitive);
}

} // namespace

QList<DriveEntry> availableDrives() {
    QList<DriveEntry> drives;
    drives << DriveEntry{QStringLiteral("/"), QStringLiteral("\\")};
    const QString home = homeInWindowsForm();
    drives << DriveEntry{QStringLiteral("~ ") + fromFileBytes(homeDirectory()), home};
    drives << wineDrives();
    return drives;
}

int driveIndexFor(const QList<DriveEntry>& drives, const QString& path) {
    const bool hasLetter = path.size() >= 2 && path.at(1) == QLatin1Char(':');
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives.size(); ++i) {
        const QString& root = drives.at(i).path;
        bool fits = false;
        if (hasLetter) {
            fits = root.size() >= 2 && root.left(2).compare(path.left(2), Qt::CaseInsensitive) == 0;
        } else if (root == QStringLiteral("\\")) {
            fits = path.startsWith(QLatin1Char('\\'));
        } else {
            fits = isUnder(path, root);
        }
        if (fits && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

} // namespace wepn
