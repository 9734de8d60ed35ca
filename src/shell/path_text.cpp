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

} // namespace wepn
