#include "sheet/latin1.h"

#include "files/utf8_sequence.h"

namespace wepn {

std::string latin1ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

std::string nameToUtf8(std::string_view name) {
    std::string utf8;
    utf8.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        if (const std::size_t length = utf8SequenceLength(name.substr(i))) {
            utf8.append(name.substr(i, length));
            i += length;
        } else {
            utf8 += latin1ToUtf8(name.substr(i++, 1));
        }
    }
    return utf8;
}

std::optional<std::string> utf8ToLatin1(std::string_view text) {
    std::string latin1;
    latin1.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            latin1.push_back(text[i]);
            continue;
        }
        // Only the two-byte sequences C2 xx and C3 xx encode U+0080 to U+00FF.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= text.size()) {
            return std::nullopt;
        }
        const auto next = static_cast<unsigned char>(text[++i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        latin1.push_back(static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F)));
    }
    return latin1;
}

} // namespace wepn
