#include "editor/file_writer.h"

#include <QSaveFile>

namespace wepn {

std::optional<QString> writeFileReplacing(const QString& nativePath, std::string_view bytes) {
    QSaveFile file(nativePath);
    // Unbuffered, so a write that fails shows here: commit() does not check
    // the flush of buffered bytes, and would put a cut-short file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    const auto size = static_cast<qint64>(bytes.size());
    for (qint64 written = 0; written < size;) {
        // After a short write, the next one fails with the system's reason.
        const qint64 n = file.write(bytes.data() + written, size - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += n;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace wepn
