#include "fields.h"
#include "load.h"
#include "reader_support.h"
#include "table_reader.h"
#include "text_tokens.h"

namespace wepn {
namespace {

using detail::fail;

std::string argumentName(std::size_t argument, std::string_view statement) {
    return "argument " + std::to_string(argument) + " of " + std::string(statement);
}

std::string_view token(std::string_view line, std::size_t k, std::string_view statement,
                       std::size_t lineNumber) {
    const auto part = commaToken(line, k);
    if (!part) {
        fail(lineNumber, argumentName(k, statement) + " is missing");
    }
    return *part;
}

std::string quotedText(std::string_view line, std::size_t part, std::string_view what,
                       std::size_t lineNumber) {
    const auto text = quotedPart(line, part);
    if (!text) {
        fail(lineNumber, what.empty() ? "a quoted text is missing"
                                      : std::string(what) + " is missing its quoted text");
    }
    return std::string(*text);
}

struct FieldStore {
    std::string_view text;
    std::string what;
    std::size_t line;

    void operator()(std::string* v) const {
        const auto inside = quotedPart(text, 1);
        if (!inside) {
            fail(line, "'" + excerpt(text) + "' is not quoted text (" + what + ")");
        }
        *v = std::string(*inside);
    }
    void operator()(double* v) const { *v = detail::toNumber(text, what, line); }
    void operator()(std::int16_t* v) const { *v = detail::toInt16(text, what, line); }
    void operator()(std::int32_t* v) const { *v = detail::toInt32(text, what, line); }
};

// Stores arguments 1 to 25 of a StartWeaponConfig line, in argument order.
void grabValues(std::string_view line, std::size_t lineNumber, WeaponState& state) {
    for (const ScalarField& field : startWeaponConfigFields().subspan(1)) {
        const std::size_t argument = std::size_t(field.argument);
        std::string_view text = token(line, argument, "StartWeaponConfig", lineNumber);
        if (argument == 25) {
            text = head(text);
        }
        std::visit(FieldStore{text, argumentName(argument, "StartWeaponConfig"), lineNumber},
                   field.at(state));
    }
}

WeaponResult readResult(std::string_view line, std::size_t lineNumber) {
    static constexpr std::string_view statement = "AddWeaponResult";
    WeaponResult result;
    result.sCondition = quotedText(line, 1, "the condition of AddWeaponResult", lineNumber);
    result.sEffect = quotedText(line, 3, "the effect of AddWeaponResult", lineNumber);
    result.sTarget = quotedText(line, 5, "the target of AddWeaponResult", lineNumber);
    result.fMinEffect = detail::toNumber(token(line, 4, statement, lineNumber),
                                         argumentName(4, statement), lineNumber);
    result.fMaxEffect = detail::toNumber(token(line, 5, statement, lineNumber),
                                         argumentName(5, statement), lineNumber);
    if (result.sEffect == "SpawnWeaponFire") {
        result.sSpawnedWeaponEffect =
            quotedText(line, 7, "the spawned effect of AddWeaponResult", lineNumber);
    }
    return result;
}

// Reads numbered arguments as doubles; the last one is taken from its head.
template <std::size_t N>
void readNumbers(std::string_view line, std::size_t lineNumber, std::string_view statement,
                 double* const (&targets)[N]) {
    for (std::size_t k = 1; k <= N; ++k) {
        std::string_view text = token(line, k, statement, lineNumber);
        if (k == N) {
            text = head(text);
        }
        *targets[k - 1] = detail::toNumber(text, argumentName(k, statement), lineNumber);
    }
}

// Runs `read` on every unconsumed line holding `keyword`, then consumes it.
template <class Read>
void eachStatement(std::vector<std::string>& lines, std::string_view keyword, Read read) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && containsIgnoringCase(lines[i], keyword)) {
            read(lines[i], i + 1);
            lines[i].clear();
        }
    }
}

void readLines(WeaponState& state, std::string_view bytes) {
    if (bytes.empty()) {
        fail(0, "the file is empty");
    }
    if (bytes.size() > kMaxScriptBytes) {
        fail(0, "the file is larger than 16 MiB");
    }
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.size() > kMaxScriptLines) {
        fail(0, "the file has more than " + std::to_string(kMaxScriptLines) + " lines");
    }
    state.strLines.assign(lines.begin(), lines.end());
}

void readStatements(WeaponState& state) {
    std::vector<std::string>& lines = state.strLines;
    for (std::string& line : lines) {
        if (line.starts_with("--")) {
            line.clear();
        }
    }
    eachStatement(lines, "startweaponconfig", [&](std::string_view line, std::size_t number) {
        grabValues(line, number, state);
    });
    eachStatement(lines, "addweaponresult", [&](std::string_view line, std::size_t number) {
        state.Results.push_back(readResult(line, number));
    });
    eachStatement(lines, "setangles", [&](std::string_view line, std::size_t number) {
        readNumbers(
            line, number, "setAngles",
            {&state.fFiringArc, &state.fLeftRot, &state.fRightRot, &state.fDownRot, &state.fUpRot});
    });
    eachStatement(lines, "setmiscvalues", [&](std::string_view line, std::size_t number) {
        readNumbers(line, number, "setMiscValues", {&state.fBarrelRecoil, &state.fSlaveFireDelay});
        state.bTurretProperties = true;
    });
    detail::readPenetration(lines, state.Penetration);
    detail::readAccuracy(lines, state.Accuracy);
}

} // namespace

Expected<WeaponState, LoadError> readWeaponScript(const WeaponState& current,
                                                  std::string_view bytes) {
    WeaponState state = current;
    state.Results.clear();
    state.Penetration.sFamilies.clear();
    state.Penetration.fValues.clear();
    state.Accuracy.sFamilies.clear();
    state.Accuracy.fValues.clear();
    state.Accuracy.iAlwaysDamage.clear();
    state.bTurretProperties = false;
    try {
        readLines(state, bytes);
        readStatements(state);
    } catch (const detail::ScriptError& error) {
        return LoadError{error.line, error.reason};
    }
    state.intFileRead = 1;
    return state;
}

} // namespace wepn
