#include "shell/path_text.h"

#include "files/path_mapping.h"

#include <QFile>

namespace wepn {

std::string toFileBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString fromFileBytes(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

QString windowsFormOf(const QString& nativePath) {
    QString path = nativePath;
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString homeInWindowsForm() {
    return windowsFormOf(fromFileBytes(homeDirectory()));
}

QString nativePathOf(const QString& windowsPath) {
    return fromFileBytes(toNativePath(toFileBytes(windowsPath)));
}

QString nativePathOfNewFile(const QString& windowsPath) {
    const qsizetype cut = windowsPath.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0) {
        return nativePathOf(windowsPath);
    }
    return nativePathOf(windowsPath.left(cut + 1)) + windowsPath.mid(cut + 1);
}

} // namespace wepn
