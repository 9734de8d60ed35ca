#include "file_writer.h"

#include <QSaveFile>

namespace wepn {

std::optional<QString> writeFileReplacing(const QString& nativePath, const QByteArray& bytes) {
    QSaveFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace wepn
