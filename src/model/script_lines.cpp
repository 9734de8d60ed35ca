#include "model/script_lines.h"

#include "model/byte_words.h"
#include "model/text_tokens.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace wepn::detail {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::array<std::pair<std::string_view, Keyword>, 6> kKeywords{{
    {"startweaponconfig", kStartWeaponConfig},
    {"addweaponresult", kAddWeaponResult},
    {"setangles", kSetAngles},
    {"setmiscvalues", kSetMiscValues},
    {"setpenetration", kSetPenetration},
    {"setaccuracy", kSetAccuracy},
}};

// Whether `text` starts with the lower-case `word`, ignoring case; the
// keywords are plain ASCII letters, which `| 0x20` folds, eight at a time.
bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) {
        return false;
    }
    constexpr std::uint64_t fold = 0x2020202020202020ULL;
    std::size_t i = 0;
    for (; i + 8 <= word.size(); i += 8) {
        if ((loadWord(text.data() + i) | fold) != loadWord(word.data() + i)) {
            return false;
        }
    }
    for (; i < word.size(); ++i) {
        if ((text[i] | 0x20) != word[i]) {
            return false;
        }
    }
    return true;
}

// The keywords that start at position i of the line, ignoring case.
std::uint8_t keywordsAt(std::string_view line, std::size_t i) {
    std::uint8_t bits = 0;
    const char c = char(line[i] | 0x20);
    const std::string_view rest = line.substr(i);
    for (const auto& [keyword, bit] : kKeywords) {
        if (keyword[0] == c && (rest[1] | 0x20) == keyword[1] && startsWithWord(rest, keyword)) {
            bits |= bit;
        }
    }
    return bits;
}

// Whether a keyword may start at `at`: every keyword begins with "se", "st"
// or "ad" in any letter case.
bool mayStartKeyword(const char* at) {
    const char first = char(at[0] | 0x20);
    const char second = char(at[1] | 0x20);
    return (first == 's' && (second == 'e' || second == 't')) || (first == 'a' && second == 'd');
}

// For each of the sixteen positions from `at` (which has seventeen bytes),
// all ones where a keyword may start.
auto keywordStarts16(const char* at) {
    const Bytes16 first = loadBytes16(at) | 0x20;
    const Bytes16 second = loadBytes16(at + 1) | 0x20;
    return ((first == 's') & ((second == 'e') | (second == 't'))) |
           ((first == 'a') & (second == 'd'));
}

// The last line of the comment that starts line i, which starts with "--":
// a long comment ("--[[", "--[==[", ...) runs to the line holding its closing
// bracket ("]]", "]==]", ...). One without a closing bracket, which Lua
// refuses, is taken as a comment of its first line only.
std::size_t commentEnd(const std::vector<std::string_view>& lines, std::size_t i) {
    std::string_view opening = lines[i].substr(2);
    if (!opening.starts_with('[')) {
        return i;
    }
    const std::size_t level = opening.find_first_not_of('=', 1);
    if (level == std::string_view::npos || opening[level] != '[') {
        return i;
    }
    const std::string closing = "]" + std::string(level - 1, '=') + "]";
    if (opening.find(closing, level + 1) != std::string_view::npos) {
        return i;
    }
    for (std::size_t end = i + 1; end < lines.size(); ++end) {
        if (lines[end].find(closing) != std::string_view::npos) {
            return end;
        }
    }
    return i;
}

} // namespace

ScriptLines::ScriptLines(std::string_view bytes) {
    // As Lua does, a byte-order mark at the start is skipped: it is no part of
    // the first line, so it neither hides a comment nor reaches a saved file.
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    if (bytes.empty()) {
        fail(0, "the file is empty");
    }
    if (bytes.size() > kMaxScriptBytes) {
        fail(0, "the file is larger than 16 MiB");
    }
    m_lines = splitLines(bytes);
    if (m_lines.size() > kMaxScriptLines) {
        fail(0, "the file has more than " + std::to_string(kMaxScriptLines) + " lines");
    }
    m_kinds.resize(m_lines.size());
    markKeywords(bytes);
    // Lua skips a first line that starts with "#", up to a line feed (lines
    // that end with a lone carriage return go with it); kept, it would end up
    // in the middle of a saved file, where Lua cannot read it.
    if (m_lines[0].starts_with('#')) {
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const std::size_t end =
                std::size_t(m_lines[i].data() - bytes.data()) + m_lines[i].size();
            consume(i);
            if (bytes.substr(end, 2).find('\n') != std::string_view::npos) {
                break;
            }
        }
    }
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].starts_with("--")) {
            for (const std::size_t end = commentEnd(m_lines, i); i < end; ++i) {
                consume(i);
            }
            consume(i);
        }
    }
}

void ScriptLines::markKeywords(std::string_view bytes) {
    static constexpr std::size_t kShortest = 9; // "setangles"
    // Lines and positions both go forward, so the line holding a position
    // is found by walking on from the last one.
    std::size_t line = 0;
    const auto mark = [&](std::size_t position) {
        const char* at = bytes.data() + position;
        while (line < m_lines.size() && at >= m_lines[line].data() + m_lines[line].size()) {
            ++line;
        }
        if (line == m_lines.size() || at < m_lines[line].data()) {
            return; // a line end
        }
        const std::string_view text = m_lines[line];
        const std::size_t i = std::size_t(at - text.data());
        if (text.size() - i >= kShortest) {
            m_kinds[line] |= keywordsAt(text, i);
        }
    };
    // The whole text in one pass, sixteen positions at a time where no
    // keyword can start.
    std::size_t i = 0;
    for (; i + 17 <= bytes.size(); i += 16) {
        auto starts = keywordStarts16(bytes.data() + i);
        for (std::size_t k = firstFlagged(starts); k != 16; k = firstFlagged(starts)) {
            mark(i + k);
            starts[k] = 0;
        }
    }
    for (; i + 1 < bytes.size(); ++i) {
        if (mayStartKeyword(bytes.data() + i)) {
            mark(i);
        }
    }
}

std::vector<std::string> ScriptLines::remaining() const {
    return std::vector<std::string>(m_lines.begin(), m_lines.end());
}

} // namespace wepn::detail
