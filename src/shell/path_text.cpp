#include "shell/path_text.h"

#include "files/path_mapping.h"
#include "shell/directory_tree.h"

#include <QFile>

namespace wepn {
namespace {

// The length of the valid UTF-8 sequence at the start of `bytes`, or 0.
std::size_t utf8SequenceLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

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
