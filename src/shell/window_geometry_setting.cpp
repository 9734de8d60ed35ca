#include "shell/window_geometry_setting.h"

#include <QScreen>
#include <QSettings>
#include <QStyle>
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
    fitToScreen(window);
}

void WindowGeometrySetting::fitToScreen(QWidget& window) {
    // A window larger than its screen (a large scale on a small screen) is
    // made to fit, title bar and all; its content scrolls.
    const QRect screen = window.screen()->availableGeometry();
    const QSize room =
        screen.size() - QSize(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    if (window.width() > room.width() || window.height() > room.height()) {
        window.resize(window.size().boundedTo(room));
        window.move(screen.topLeft());
    }
}

void WindowGeometrySetting::save(const QWidget& window) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    settings.setValue(kKey, window.saveGeometry());
    settings.sync();
}

} // namespace wepn
