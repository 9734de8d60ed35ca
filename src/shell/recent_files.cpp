#include "shell/recent_files.h"

#include "editor/editor_settings.h"
#include "shell/path_text.h"

#include <QStringList>
#include <algorithm>

namespace wepn {
namespace {

const QString kRecentKey = QStringLiteral("RecentFiles/Paths");
// Where an earlier version kept the paths as text.
const QString kTextKey = QStringLiteral("RecentFiles/Files");

} // namespace

std::vector<std::string> RecentFiles::read() const {
    const EditorSettings settings;
    const bool asBytes = settings.contains(kRecentKey);
    std::vector<std::string> paths;
    for (const QString& entry : settings.value(asBytes ? kRecentKey : kTextKey).toStringList()) {
        paths.push_back(asBytes ? QByteArray::fromPercentEncoding(entry.toLatin1()).toStdString()
                                : toFileBytes(entry));
        if (qsizetype(paths.size()) == kLimit) {
            break;
        }
    }
    return paths;
}

void RecentFiles::add(const std::string& path) {
    std::vector<std::string> paths = read();
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    paths.resize(std::min(paths.size(), std::size_t(kLimit)));
    write(paths);
}

void RecentFiles::remove(const std::string& path) {
    std::vector<std::string> paths = read();
    std::erase(paths, path);
    write(paths);
}

void RecentFiles::clear() {
    write({});
}

void RecentFiles::write(const std::vector<std::string>& paths) {
    QStringList entries;
    for (const std::string& path : paths) {
        // Only the bytes a path needs are encoded, so a plain path stays readable.
        entries << QString::fromLatin1(
            QByteArray::fromStdString(path).toPercentEncoding(QByteArrayLiteral("/ ")));
    }
    EditorSettings settings;
    settings.setValue(kRecentKey, entries);
    settings.remove(kTextKey);
    settings.sync();
}

} // namespace wepn
