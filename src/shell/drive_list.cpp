#include "shell/drive_list.h"

#include "files/path_mapping.h"
#include "shell/directory_tree.h"
#include "shell/path_text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace wepn {
namespace {

bool isDriveName(const std::string& name) {
    return name.size() == 2 && name[1] == ':' && name[0] >= 'a' && name[0] <= 'z';
}

// Where a Wine drive points: its link's target, resolved against the link's
// own directory and made absolute, whether the target exists or not.
std::string folderOf(const fs::path& drive) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(drive, ec);
    if (ec) {
        return drive.string();
    }
    return directory_tree::absoluteOf((drive.parent_path() / target).string());
}

// The Wine prefix's drive letters, ready or not: "c:" may point to a missing
// directory, and the dialog then shows it empty.
QList<DriveEntry> wineDrives(const std::string& home) {
    QList<DriveEntry> drives;
    std::error_code ec;
    fs::directory_iterator it(home + "/.wine/dosdevices", ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isDriveName(name)) {
            const std::string folder = folderOf(it->path());
            const QString letter = QString::fromLatin1(name.data(), 2).toUpper();
            drives << DriveEntry{letter + QLatin1Char(' ') + displayText(folder),
                                 directory_tree::absoluteOf(it->path().string()), folder};
        }
    }
    std::sort(drives.begin(), drives.end(),
              [](const DriveEntry& a, const DriveEntry& b) { return a.label < b.label; });
    return drives;
}

} // namespace

QList<DriveEntry> availableDrives() {
    const std::string home = directory_tree::absoluteOf(homeDirectory());
    QList<DriveEntry> drives;
    drives << DriveEntry{QStringLiteral("/"), "/", "/"};
    drives << DriveEntry{displayText(home), home, home};
    drives << wineDrives(home);
    return drives;
}

std::optional<DriveMatch> driveHolding(const QList<DriveEntry>& drives, const std::string& path) {
    std::optional<DriveMatch> best;
    for (int i = 0; i < drives.size(); ++i) {
        for (const std::string& root : {drives.at(i).path, drives.at(i).folder}) {
            if (directory_tree::isAtOrBelow(path, root) &&
                (!best || root.size() > best->root.size())) {
                best = DriveMatch{i, root};
            }
        }
    }
    return best;
}

} // namespace wepn
