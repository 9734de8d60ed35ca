#include "shell/path_text.h"

#include "files/path_mapping.h"
#include "files/utf8_sequence.h"
#include "shell/directory_tree.h"

#include <QFile>

namespace wepn {
namespace {

// A single byte as a character one can see: controls as their pictures,
// the C1 range (no Latin-1 letters there) as the replacement character.
QChar visible(unsigned char c) {
    if (c < 0x20) {
        return QChar(0x2400 + c);
    }
    if (c == 0x7F) {
        return QChar(0x2421);
    }
    return c >= 0x80 && c < 0xA0 ? QChar(QChar::ReplacementCharacter) : QChar(c);
}

} // namespace

std::string toFileBytes(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

std::string nativePathOf(const QString& entered) {
    return toNativePath(toFileBytes(entered));
}

std::string typedPathIn(const std::string& dir, const QString& typed) {
    const std::string name = toFileBytes(typed);
    const std::size_t cut = name.rfind('\\');
    if (cut == std::string::npos) {
        return directory_tree::childOf(dir, name);
    }
    const std::string folder = toNativePath(directory_tree::childOf(dir, name.substr(0, cut + 1)));
    return directory_tree::childOf(folder, name.substr(cut + 1));
}

QString displayText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t length = utf8SequenceLength(bytes.substr(i));
        if (length <= 1) {
            // ASCII, or a byte that starts no valid sequence: Latin-1.
            text += visible(static_cast<unsigned char>(bytes[i]));
            ++i;
        } else {
            text += QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(length));
            i += length;
        }
    }
    return text;
}

} // namespace wepn
