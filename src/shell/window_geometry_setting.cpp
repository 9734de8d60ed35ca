#include "shell/window_geometry_setting.h"

#include "editor/editor_settings.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace wepn {
namespace {

const QString kGeometryKey = QStringLiteral("Window/Geometry");

} // namespace

void WindowGeometrySetting::restore(QWidget& window) const {
    const EditorSettings settings;
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
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
    EditorSettings settings;
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.sync();
}

} // namespace wepn
