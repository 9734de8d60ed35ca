#include "editor/window_caption.h"

#include <algorithm>

namespace wepn {

QString WindowCaption::applicationTitle() {
    return QStringLiteral("Vyr Weapon Editor");
}

QString WindowCaption::startup() {
    return QStringLiteral("%1 %2.%3.%4")
        .arg(applicationTitle())
        .arg(WEPN_VERSION_MAJOR)
        .arg(WEPN_VERSION_MINOR)
        .arg(WEPN_VERSION_PATCH);
}

QString WindowCaption::forFile(const QString& nativePath) {
    // "[*]" shows "*" while the weapon has unsaved changes.
    return QStringLiteral("%1 v%2.%3 - %4[*]")
        .arg(applicationTitle())
        .arg(WEPN_VERSION_MAJOR)
        .arg(WEPN_VERSION_MINOR)
        .arg(fileName(nativePath));
}

QString WindowCaption::fileName(const QString& nativePath) {
    // Only the platform's own separators cut: on Linux a backslash belongs
    // to the name.
#ifdef Q_OS_WIN
    const qsizetype cut = std::max(nativePath.lastIndexOf(QLatin1Char('\\')),
                                   nativePath.lastIndexOf(QLatin1Char('/')));
#else
    const qsizetype cut = nativePath.lastIndexOf(QLatin1Char('/'));
#endif
    return cut < 0 ? QString() : nativePath.mid(cut + 1);
}

} // namespace wepn
