#include "shell/window_geometry_setting.h"

#include <QSettings>
#include <QWidget>

namespace wepn {
namespace {

const QString kOrganisation = QStringLiteral("Vyrdesk");
const QString kKey = QStringLiteral("Window/Geometry");

} // namespace

void WindowGeometrySetting::restore(QWidget& window) const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    const QByteArray geometry = settings.value(kKey).toByteArray();
    if (!geometry.isEmpty()) {
        window.restoreGeometry(geometry);
    }
}

void WindowGeometrySetting::save(const QWidget& window) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    settings.setValue(kKey, window.saveGeometry());
    settings.sync();
}

} // namespace wepn
