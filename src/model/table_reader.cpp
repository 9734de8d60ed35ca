#include "model/table_reader.h"

#include "model/number_text.h"
#include "model/reader_support.h"
#include "model/text_tokens.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace wepn::detail {
namespace {

// Room for a usual table's entries, so that they do not regrow the lists one
// by one; longer tables grow from there.
constexpr std::size_t kUsualEntries = 16;

bool hasClose(std::string_view line) {
    return line.find(')') != std::string_view::npos;
}

// The pieces of a table line that may hold entries: the line is cut at every
// "}"; a piece is taken from its last "{" on or, without "{", with the commas
// and blanks at its start removed. So "{A=0.5},{B=1}," gives "{A=0.5", "{B=1".
template <class Read> void eachPiece(std::string_view line, Read read) {
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find('}', start), line.size());
        std::string_view piece = line.substr(start, end - start);
        const std::size_t brace = piece.rfind('{');
        if (brace != std::string_view::npos) {
            piece.remove_prefix(brace);
        } else {
            const std::size_t first = piece.find_first_not_of(", \t");
            piece.remove_prefix(std::min(first, piece.size()));
        }
        if (!piece.empty()) {
            read(piece);
        }
        start = end + 1;
    }
}

// A line holding one entry written the usual way, "{NAME=NUMBER,}" with only
// commas, blanks and the table's ")" after it: its name and value text, found
// in one pass. These are exactly what cutting the line into pieces and
// cleaning them gives (the name holds nothing a clean removes and no
// "damage", the value only digits, signs, points and exponents), so a table
// of such lines skips that work. Nothing for any other line.
struct PlainEntry {
    std::string_view name;
    std::string_view value;
};

// Which bytes may stand where in a plain entry: one bit each.
enum : std::uint8_t { kNotInName = 1, kInValue = 2, kAfter = 4 };

constexpr std::array<std::uint8_t, 256> kPlainEntryBytes = [] {
    std::array<std::uint8_t, 256> bytes{};
    for (const unsigned char c : std::string_view("{}=,) \t")) {
        bytes[c] |= kNotInName;
    }
    for (const unsigned char c : std::string_view("0123456789.+-eE")) {
        bytes[c] |= kInValue;
    }
    for (const unsigned char c : std::string_view(",) \t")) {
        bytes[c] |= kAfter;
    }
    return bytes;
}();

std::optional<PlainEntry> plainEntry(std::string_view line) {
    const auto is = [](char c, std::uint8_t kind) {
        return (kPlainEntryBytes[static_cast<unsigned char>(c)] & kind) != 0;
    };
    const std::size_t size = line.size();
    if (size == 0 || line[0] != '{') {
        return std::nullopt;
    }
    std::size_t equals = 1;
    while (equals < size && !is(line[equals], kNotInName)) {
        ++equals;
    }
    if (equals == 1 || equals == size || line[equals] != '=') {
        return std::nullopt;
    }
    std::size_t valueEnd = equals + 1;
    while (valueEnd < size && is(line[valueEnd], kInValue)) {
        ++valueEnd;
    }
    const std::size_t close = valueEnd < size && line[valueEnd] == ',' ? valueEnd + 1 : valueEnd;
    if (close >= size || line[close] != '}') {
        return std::nullopt;
    }
    for (std::size_t i = close + 1; i < size; ++i) {
        if (!is(line[i], kAfter)) {
            return std::nullopt;
        }
    }
    const std::string_view name = line.substr(1, equals - 1);
    if (name.find("damage") != std::string_view::npos) {
        return std::nullopt;
    }
    return PlainEntry{name, line.substr(equals + 1, valueEnd - equals - 1)};
}

// The text after the first "=" up to the next "=" (or the end).
std::string_view afterEquals(std::string_view text) {
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) {
        return {};
    }
    text.remove_prefix(eq + 1);
    return text.substr(0, text.find('='));
}

std::string_view beforeEquals(std::string_view text) {
    return text.substr(0, text.find('='));
}

// The first table statement of its kind: its statement line and the lines
// after it up to the first line holding ")", or up to the next line that
// starts a table statement, which an unclosed table never takes. Entries on
// the statement line count only from its first "{". Later statements of the
// kind, and calls of it after other code on a line, stay unrecognised lines,
// which a save carries, so the game still runs them after the editor's own;
// they are returned with the lines they span.
template <class ReadStatement, class ReadLine>
std::vector<LaterTable> readTable(ScriptLines& lines, Keyword keyword, std::string_view name,
                                  ReadStatement readStatement, ReadLine readLine) {
    constexpr std::uint8_t kTables = kSetPenetration | kSetAccuracy;
    // The last line of the table whose statement is at `index`.
    const auto lastLine = [&](std::size_t index, auto&& eachLine) {
        for (bool finished = hasClose(lines[index]);
             !finished && index + 1 < lines.size() && !lines.holds(index + 1, Keyword(kTables));) {
            ++index;
            finished = hasClose(lines[index]);
            eachLine(index);
        }
        return index;
    };
    std::vector<LaterTable> later;
    bool first = true;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const bool elsewhere = lines.callsElsewhere(index, keyword);
        if (!lines.holds(index, keyword) && !elsewhere) {
            continue;
        }
        if (!first || elsewhere) {
            const std::size_t last = lastLine(index, [](std::size_t) {});
            later.push_back({name, index + 1, last + 1, first});
            index = last;
            continue;
        }
        first = false;
        const std::string_view text = lines[index];
        readStatement(head(text), index + 1);
        if (const std::size_t brace = text.find('{'); brace != std::string_view::npos) {
            readLine(text.substr(brace), index + 1);
        }
        const std::size_t statement = index;
        index = lastLine(index, [&](std::size_t at) {
            readLine(lines[at], at + 1);
            lines.consume(at);
        });
        lines.consume(statement);
    }
    return later;
}

void readPenetrationStatement(std::string_view statementHead, std::size_t line,
                              PenetrationSet& penetration) {
    const auto field = commaToken(statementHead, 1);
    if (!field) {
        fail(line, "argument 1 of setPenetration is missing");
    }
    std::string scratch;
    penetration.iFieldPenetration =
        toInt32(cleanToken(*field, scratch), Where{"setPenetration", 1}, line);
    penetration.sFamilies.reserve(kUsualEntries);
    penetration.fValues.reserve(kUsualEntries);
    // A missing or unreadable default is no error: the default is then 1.
    penetration.fDefaultPenetration = 1;
    if (const auto text = commaToken(statementHead, 2)) {
        if (const auto value = readNumber(*text)) {
            penetration.fDefaultPenetration = *value;
        }
    }
}

void readAccuracyStatement(std::string_view statementHead, std::size_t line,
                           AccuracySet& accuracy) {
    const auto field = commaToken(statementHead, 1);
    if (!field) {
        fail(line, "argument 1 of setAccuracy is missing");
    }
    accuracy.iLeadingValue = toInt16(*field, Where{"setAccuracy", 1}, line);
    accuracy.sFamilies.reserve(kUsualEntries);
    accuracy.fValues.reserve(kUsualEntries);
    accuracy.iAlwaysDamage.reserve(kUsualEntries);
}

} // namespace

std::vector<LaterTable> readPenetration(ScriptLines& lines, PenetrationSet& penetration) {
    std::string scratch;
    const auto readLine = [&](std::string_view line, std::size_t number) {
        const auto add = [&](std::string family, std::string_view valueText) {
            const double value =
                toNumber(valueText, Where{"penetration value", Where::kFamily, family}, number);
            penetration.sFamilies.push_back(std::move(family));
            penetration.fValues.push_back(value);
        };
        if (const std::optional<PlainEntry> entry = plainEntry(line)) {
            add(std::string(entry->name), entry->value);
            return;
        }
        eachPiece(line, [&](std::string_view piece) {
            if (piece.find('=') == std::string_view::npos) {
                return;
            }
            std::string family(cleanToken(beforeEquals(piece), scratch));
            add(std::move(family), cleanToken(afterEquals(piece), scratch));
        });
    };
    return readTable(
        lines, kSetPenetration, "setPenetration",
        [&](std::string_view head, std::size_t number) {
            readPenetrationStatement(head, number, penetration);
        },
        readLine);
}

std::vector<LaterTable> readAccuracy(ScriptLines& lines, AccuracySet& accuracy) {
    std::string scratch;
    const auto readLine = [&](std::string_view line, std::size_t number) {
        if (const std::optional<PlainEntry> entry = plainEntry(line)) {
            std::string family(entry->name);
            const double value =
                toNumber(entry->value, Where{"accuracy value", Where::kFamily, family}, number);
            accuracy.sFamilies.push_back(std::move(family));
            accuracy.fValues.push_back(value);
            accuracy.iAlwaysDamage.push_back(0);
            return;
        }
        eachPiece(line, [&](std::string_view piece) {
            // Only the lower-case word marks a damage part.
            const bool damage = piece.find("damage") != std::string_view::npos;
            const auto equalsSigns = std::count(piece.begin(), piece.end(), '=');
            const std::string_view familyField = *commaToken(piece, 0);
            if (damage && equalsSigns == 0) {
                fail(number, "the damage part '" + excerpt(piece) + "' has no value");
            }
            if (damage && equalsSigns == 1) {
                // A damage part of its own belongs to the entry before it.
                if (accuracy.iAlwaysDamage.empty()) {
                    fail(number, "a damage part stands before any accuracy entry");
                }
                accuracy.iAlwaysDamage.back() = toInt16(
                    cleanToken(afterEquals(familyField), scratch),
                    Where{"accuracy damage", Where::kFamily, accuracy.sFamilies.back()}, number);
                return;
            }
            if (equalsSigns == 0) {
                return;
            }
            std::string family(cleanToken(beforeEquals(familyField), scratch));
            const double value = toNumber(cleanToken(afterEquals(familyField), scratch),
                                          Where{"accuracy value", Where::kFamily, family}, number);
            std::int16_t always = 0;
            if (damage) {
                const auto damagePart = commaToken(piece, 1);
                if (!damagePart || damagePart->find('=') == std::string_view::npos) {
                    fail(number,
                         "the damage part of accuracy family " + excerpt(family) + " has no value");
                }
                always = toInt16(cleanToken(afterEquals(*damagePart), scratch),
                                 Where{"accuracy damage", Where::kFamily, family}, number);
            }
            accuracy.sFamilies.push_back(std::move(family));
            accuracy.fValues.push_back(value);
            accuracy.iAlwaysDamage.push_back(always);
        });
    };
    return readTable(
        lines, kSetAccuracy, "setAccuracy",
        [&](std::string_view head, std::size_t number) {
            readAccuracyStatement(head, number, accuracy);
        },
        readLine);
}

} // namespace wepn::detail
