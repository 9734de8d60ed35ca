#include "model/script_reader.h"

#include "model/fields.h"
#include "model/reader_support.h"
#include "model/script_lines.h"
#include "model/table_reader.h"
#include "model/text_tokens.h"

#include <array>
#include <optional>

namespace wepn {
namespace detail {
namespace {

// The first N parts of a text split at every `separator`, cut once; the last
// one kept runs to its separator (or the end).
template <std::size_t N> class Parts {
  public:
    Parts(std::string_view text, char separator) {
        std::size_t start = 0;
        while (m_count < N) {
            const std::size_t end = text.find(separator, start);
            m_parts[m_count++] = text.substr(start, end - start);
            if (end == std::string_view::npos) {
                break;
            }
            start = end + 1;
        }
    }

    std::optional<std::string_view> operator[](std::size_t k) const {
        return k < m_count ? std::optional(m_parts[k]) : std::nullopt;
    }

  private:
    std::array<std::string_view, N> m_parts;
    std::size_t m_count = 0;
};

// The comma tokens of a statement line, cut once.
class Tokens {
  public:
    Tokens(std::string_view line, std::string_view statement, std::size_t lineNumber)
        : m_tokens(line, ','), m_statement(statement), m_line(lineNumber) {}

    std::string_view operator[](std::size_t k) const {
        const std::optional<std::string_view> token = m_tokens[k];
        if (!token) {
            fail(m_line, "argument " + std::to_string(k) + " of " + std::string(m_statement) +
                             " is missing");
        }
        return *token;
    }
    double number(std::size_t k, bool headOnly = false) const {
        return toNumber(headOnly ? head((*this)[k]) : (*this)[k], where(k), m_line);
    }
    Where where(std::size_t k) const { return Where{m_statement, k}; }
    std::size_t line() const { return m_line; }

  private:
    // No statement reads beyond argument 25; later tokens are not kept.
    Parts<27> m_tokens;
    std::string_view m_statement;
    std::size_t m_line;
};

// The parts of an AddWeaponResult line between double quotes: its texts are
// parts 1, 3, 5 and 7.
using QuotedParts = Parts<8>;

std::string quotedText(const QuotedParts& quoted, std::size_t part, std::string_view what,
                       std::size_t lineNumber) {
    const auto text = quoted[part];
    if (!text) {
        fail(lineNumber,
             "the " + std::string(what) + " of AddWeaponResult is missing its quoted text");
    }
    return std::string(*text);
}

// Notes a quoted text that holds a backslash, which a save writes back as it is.
void noteEscapes(const std::string& text, WeaponState& state) {
    if (text.find('\\') != std::string::npos) {
        state.strLoadedEscapes.push_back(text);
    }
}

struct FieldStore {
    std::string_view text;
    Where where;
    std::size_t line;
    WeaponState& state;

    void operator()(std::string* v) const {
        const auto inside = quotedPart(text, 1);
        if (!inside) {
            fail(line, "'" + excerpt(text) + "' is not quoted text (" + where.text() + ")");
        }
        *v = std::string(*inside);
        noteEscapes(*v, state);
    }
    void operator()(double* v) const { *v = toNumber(text, where, line); }
    void operator()(std::int16_t* v) const { *v = toInt16(text, where, line); }
    void operator()(std::int32_t* v) const { *v = toInt32(text, where, line); }
};

// Stores arguments 1 to 25 of a StartWeaponConfig line, in argument order.
void grabValues(std::string_view line, std::size_t lineNumber, WeaponState& state) {
    const Tokens tokens(line, "StartWeaponConfig", lineNumber);
    for (const ScalarField& field : startWeaponConfigFields().subspan(1)) {
        const std::size_t argument = std::size_t(field.argument);
        const std::string_view text = argument == 25 ? head(tokens[argument]) : tokens[argument];
        std::visit(FieldStore{text, tokens.where(argument), lineNumber, state}, field.at(state));
    }
}

WeaponResult readResult(std::string_view line, std::size_t lineNumber) {
    const Tokens tokens(line, "AddWeaponResult", lineNumber);
    const QuotedParts quoted(line, '"');
    WeaponResult result;
    result.sCondition = quotedText(quoted, 1, "condition", lineNumber);
    result.sEffect = quotedText(quoted, 3, "effect", lineNumber);
    result.sTarget = quotedText(quoted, 5, "target", lineNumber);
    result.fMinEffect = tokens.number(4);
    result.fMaxEffect = tokens.number(5);
    if (result.sEffect == "SpawnWeaponFire") {
        result.sSpawnedWeaponEffect = quotedText(quoted, 7, "spawned effect", lineNumber);
    }
    return result;
}

// Runs `read` on every unconsumed line holding the keyword, then consumes it.
template <class Read> void eachStatement(ScriptLines& lines, Keyword keyword, Read read) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines.holds(i, keyword)) {
            read(lines[i], i + 1);
            lines.consume(i);
        }
    }
}

void readStatements(ScriptLines& lines, ScriptRead& read) {
    WeaponState& state = read.state;
    std::size_t& configLine = read.configLine;
    eachStatement(lines, kStartWeaponConfig, [&](std::string_view line, std::size_t number) {
        grabValues(line, number, state);
        configLine = number;
    });
    state.Results.reserve(lines.count(kAddWeaponResult));
    eachStatement(lines, kAddWeaponResult, [&](std::string_view line, std::size_t number) {
        state.Results.push_back(readResult(line, number));
        const auto spawned = quotedPart(line, 7);
        if (state.Results.back().sEffect != "SpawnWeaponFire" && spawned && !spawned->empty()) {
            read.unreadSpawns.push_back(number);
        }
        const WeaponResult& r = state.Results.back();
        for (const std::string* text :
             {&r.sCondition, &r.sEffect, &r.sTarget, &r.sSpawnedWeaponEffect}) {
            noteEscapes(*text, state);
        }
    });
    eachStatement(lines, kSetAngles, [&](std::string_view line, std::size_t number) {
        const Tokens tokens(line, "setAngles", number);
        state.fFiringArc = tokens.number(1);
        state.fLeftRot = tokens.number(2);
        state.fRightRot = tokens.number(3);
        state.fDownRot = tokens.number(4);
        state.fUpRot = tokens.number(5, true);
    });
    eachStatement(lines, kSetMiscValues, [&](std::string_view line, std::size_t number) {
        const Tokens tokens(line, "setMiscValues", number);
        state.fBarrelRecoil = tokens.number(1);
        state.fSlaveFireDelay = tokens.number(2, true);
        state.bTurretProperties = true;
    });
    read.laterTables = readPenetration(lines, state.Penetration);
    const std::vector<LaterTable> accuracy = readAccuracy(lines, state.Accuracy);
    read.laterTables.insert(read.laterTables.end(), accuracy.begin(), accuracy.end());
}

} // namespace

ScriptRead readScript(const WeaponState& current, std::string_view bytes) {
    ScriptRead read;
    read.state = current;
    WeaponState& state = read.state;
    state.Results.clear();
    state.Penetration.sFamilies.clear();
    state.Penetration.fValues.clear();
    state.Accuracy.sFamilies.clear();
    state.Accuracy.fValues.clear();
    state.Accuracy.iAlwaysDamage.clear();
    state.bTurretProperties = false;
    state.strLoadedEscapes.clear();
    ScriptLines lines(bytes);
    for (const Keyword keyword : {kStartWeaponConfig, kAddWeaponResult, kSetAngles, kSetMiscValues,
                                  kSetPenetration, kSetAccuracy}) {
        read.found |= lines.count(keyword) != 0 ? keyword : 0;
    }
    readStatements(lines, read);
    read.hashLines = lines.hashLines();
    state.strLines = lines.remaining();
    state.intFileRead = 1;
    return read;
}

} // namespace detail

Expected<WeaponState, LoadError> readWeaponScript(const WeaponState& current,
                                                  std::string_view bytes) {
    try {
        return detail::readScript(current, bytes).state;
    } catch (const detail::ScriptError& error) {
        return LoadError{error.line, error.reason};
    }
}

} // namespace wepn
