#include "model/text_tokens.h"

#include <algorithm>
#include <cstring>

namespace wepn {
namespace {

// Lower case for ASCII and Latin-1 letters (the file's single-byte text).
unsigned char lowerLatin1(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    return c;
}

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
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const auto next = [end](const char* from, char c) {
        const void* found = from < end ? std::memchr(from, c, std::size_t(end - from)) : nullptr;
        return found ? static_cast<const char*>(found) : end;
    };
    const char* start = begin;
    const char* cr = next(start, '\r');
    const char* lf = next(start, '\n');
    while (start < end) {
        const char* stop = std::min(cr, lf);
        lines.emplace_back(start, std::size_t(stop - start));
        if (stop == end) {
            break;
        }
        start = stop + ((stop == cr && stop + 1 == lf) ? 2 : 1);
        if (cr < start) {
            cr = next(start, '\r');
        }
        if (lf < start) {
            lf = next(start, '\n');
        }
    }
    return lines;
}

void toLowerLatin1(std::string_view text, std::string& lower) {
    lower.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        lower[i] = static_cast<char>(lowerLatin1(static_cast<unsigned char>(text[i])));
    }
}

std::string toLowerLatin1(std::string_view text) {
    std::string lower;
    toLowerLatin1(text, lower);
    return lower;
}

bool containsIgnoringCase(std::string_view text, std::string_view word) {
    const auto same = [](char a, char b) {
        return lowerLatin1(static_cast<unsigned char>(a)) ==
               lowerLatin1(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), word.begin(), word.end(), same) != text.end();
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && containsIgnoringCase(a, b);
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

std::string cleanToken(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        if (c != '{' && c != '}' && c != ',' && c != ')' && c != ' ' && c != '\t') {
            clean += c;
        }
    }
    return clean;
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
