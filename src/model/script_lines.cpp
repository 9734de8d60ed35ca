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

// The closing bracket of a long comment that `text` opens with "--[[",
// "--[==[", ...; empty when `text` opens none (a line comment).
std::string longCommentClosing(std::string_view text) {
    const std::string_view opening = text.substr(2);
    if (!opening.starts_with('[')) {
        return {};
    }
    const std::size_t level = opening.find_first_not_of('=', 1);
    if (level == std::string_view::npos || opening[level] != '[') {
        return {};
    }
    return "]" + std::string(level - 1, '=') + "]";
}

// Whether the line starts the table statement `word` ("setpenetration"):
// after what Lua skips as blanks, the word in any letter case, blanks, "("
// or the line's end.
bool startsStatement(std::string_view line, std::string_view word) {
    constexpr std::string_view kLuaBlanks = " \t\v\f";
    line.remove_prefix(std::min(line.find_first_not_of(kLuaBlanks), line.size()));
    if (!startsWithWord(line, word)) {
        return false;
    }
    line.remove_prefix(word.size());
    line.remove_prefix(std::min(line.find_first_not_of(kLuaBlanks), line.size()));
    // The call's bracket may stand on the next line.
    return line.empty() || line.starts_with('(');
}

// Whether the line calls the table function `word` after other code.
bool callsTable(std::string_view line, std::string_view word) {
    const std::string lower = toLowerLatin1(line);
    for (std::size_t at = lower.find(word); at != std::string::npos;
         at = lower.find(word, at + 1)) {
        if (startsStatement(std::string_view(lower).substr(at), word)) {
            return true;
        }
    }
    return false;
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
    // Lua skips a first line that starts with "#", up to a line feed (lines
    // that end with a lone carriage return go with it); kept, it would end up
    // in the middle of a saved file, where Lua cannot read it.
    if (m_lines[0].starts_with('#')) {
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const std::size_t end =
                std::size_t(m_lines[i].data() - bytes.data()) + m_lines[i].size();
            consume(i);
            m_hashLines = i + 1;
            if (bytes.substr(end, 2).find('\n') != std::string_view::npos) {
                break;
            }
        }
    }
    skipComments();
    markKeywords(bytes);
    // A table statement is one that starts its line: a line that merely names
    // the table ("local note = \"setAccuracy retuned\"") is other code, and
    // one that calls it elsewhere ("x = setAccuracy(...)") is noted.
    m_elsewhere.resize(m_lines.size());
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        for (const auto& [word, bit] : {std::pair{"setpenetration", kSetPenetration},
                                        std::pair{"setaccuracy", kSetAccuracy}}) {
            if ((m_kinds[i] & bit) != 0 && !startsStatement(m_lines[i], word)) {
                m_kinds[i] &= std::uint8_t(~bit);
                m_elsewhere[i] |= callsTable(m_lines[i], word) ? bit : 0;
            }
        }
    }
}

void ScriptLines::skipComments() {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        // A long comment ends at its closing bracket; what follows it on that
        // line is code, which may open another comment. One without a closing
        // bracket, which Lua refuses, is taken as a comment of its line only.
        while (m_lines[i].starts_with("--")) {
            const std::string closing = longCommentClosing(m_lines[i]);
            std::size_t end = i;
            std::size_t at = std::string_view::npos;
            if (!closing.empty()) {
                at = m_lines[i].find(closing, 2 + closing.size());
                for (std::size_t next = i + 1;
                     at == std::string_view::npos && next < m_lines.size(); ++next) {
                    at = m_lines[next].find(closing);
                    end = next;
                }
            }
            if (at == std::string_view::npos) {
                consume(i);
                break;
            }
            for (; i < end; ++i) {
                consume(i);
            }
            std::string_view rest = m_lines[i].substr(at + closing.size());
            m_lines[i] =
                rest.find_first_not_of(" \t") == std::string_view::npos ? rest.substr(0, 0) : rest;
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
