#include "shell/recent_files.h"

#include <QSettings>

namespace wepn {
namespace {

const QString kOrganisation = QStringLiteral("Vyrdesk");
const QString kKey = QStringLiteral("RecentFiles/Files");

} // namespace

QStringList RecentFiles::read() const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    return settings.value(kKey).toStringList().mid(0, kLimit);
}

void RecentFiles::add(const QString& path) {
    QStringList paths = read();
    paths.removeAll(path);
    paths.prepend(path);
    write(paths.mid(0, kLimit));
}

void RecentFiles::remove(const QString& path) {
    QStringList paths = read();
    paths.removeAll(path);
    write(paths);
}

void RecentFiles::clear() {
    write({});
}

void RecentFiles::write(const QStringList& paths) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    settings.setValue(kKey, paths);
    settings.sync();
}

} // namespace wepn
