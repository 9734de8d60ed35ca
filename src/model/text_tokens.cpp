#include "model/text_tokens.h"

#include "model/byte_words.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace wepn {
namespace {

std::optional<std::string_view> part(std::string_view text, char separator, std::size_t k) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < k; ++i) {
        const std::size_t next = text.find(separator, start);
        if (next == std::string_view::npos) {
            return std::nullopt;
        }
        start = next + 1;
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

} // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    // Room for lines of 16 bytes on average spares most regrowths.
    lines.reserve(std::min<std::size_t>(text.size() / 16 + 1, 1 << 16));
    const std::size_t size = text.size();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < size) {
        // Sixteen bytes at a time up to the next line end.
        if (i + 16 <= size) {
            const detail::Bytes16 bytes = detail::loadBytes16(text.data() + i);
            const std::size_t end = detail::firstFlagged((bytes == '\r') | (bytes == '\n'));
            i += end;
            if (end == 16) {
                continue;
            }
        }
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        i += c == '\r' && i + 1 < size && text[i + 1] == '\n' ? 2 : 1;
        start = i;
    }
    if (start < size) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

void toLowerLatin1(std::string_view text, std::string& lower) {
    lower.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        lower[i] = static_cast<char>(latin1::foldCase(static_cast<unsigned char>(text[i])));
    }
}

std::string toLowerLatin1(std::string_view text) {
    std::string lower;
    toLowerLatin1(text, lower);
    return lower;
}

std::optional<std::string_view> commaToken(std::string_view text, std::size_t k) {
    return part(text, ',', k);
}

std::optional<std::string_view> quotedPart(std::string_view text, std::size_t k) {
    return part(text, '"', k);
}

std::string_view head(std::string_view text) {
    return text.substr(0, text.find(')'));
}

std::string_view cleanToken(std::string_view text, std::string& scratch) {
    // The removed bytes, as a table: tokens are short and many.
    static constexpr auto kRemoved = [] {
        std::array<bool, 256> removed{};
        for (const unsigned char c : std::string_view("{},) \t")) {
            removed[c] = true;
        }
        return removed;
    }();
    const auto removed = [](char c) { return kRemoved[static_cast<unsigned char>(c)]; };
    while (!text.empty() && removed(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && removed(text.back())) {
        text.remove_suffix(1);
    }
    if (std::none_of(text.begin(), text.end(), removed)) {
        return text;
    }
    scratch.clear();
    std::copy_if(text.begin(), text.end(), std::back_inserter(scratch),
                 [&](char c) { return !removed(c); });
    return scratch;
}

std::vector<std::string_view> rowFields(std::string_view row) {
    static constexpr std::string_view separator = " - ";
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t next = row.find(separator, start);
        if (next == std::string_view::npos) {
            fields.push_back(row.substr(start));
            return fields;
        }
        fields.push_back(row.substr(start, next - start));
        start = next + separator.size();
    }
}

std::string excerpt(std::string_view text) {
    static constexpr std::size_t limit = 60;
    if (text.size() <= limit) {
        return std::string(text);
    }
    return std::string(text.substr(0, limit)) + "...";
}

} // namespace wepn
