#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace wepn {

// The model keeps 8-bit text exactly as read; Latin-1 maps each byte to the
// character of the same code and back, so nothing is lost either way.

inline QString fromLatin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

/// The text's bytes, or nothing when it holds a character that Latin-1
/// cannot store.
inline std::optional<std::string> toLatin1(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF) {
            return std::nullopt;
        }
    }
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

/// For texts that only go on to be read as numbers: a character Latin-1
/// cannot store becomes "?", which no number reading accepts.
inline std::string latin1ForReading(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace wepn
