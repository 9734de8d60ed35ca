#include "model/script_writer.h"

#include "model/fields.h"
#include "model/number_text.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace wepn {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    out += '"';
    return out;
}

struct ArgumentText {
    bool quote;
    std::string operator()(std::string* v) const { return quote ? quoted(*v) : *v; }
    std::string operator()(double* v) const { return numberText(*v); }
    std::string operator()(std::int16_t* v) const { return integerText(*v); }
    std::string operator()(std::int32_t* v) const { return integerText(*v); }
};

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Whether Lua reads the text as the key it spells in a table entry written
// "{NAME=...}": otherwise the game gets another key or cannot run the file.
bool isLuaName(std::string_view text) {
    static constexpr std::array<std::string_view, 22> kKeywords{
        "and",      "break",  "do",   "else", "elseif", "end",  "false", "for",
        "function", "goto",   "if",   "in",   "local",  "nil",  "not",   "or",
        "repeat",   "return", "then", "true", "until",  "while"};
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return !text.empty() && letter(text[0]) &&
           std::all_of(text.begin(), text.end(), [&](char c) { return letter(c) || digit(c); }) &&
           std::find(kKeywords.begin(), kKeywords.end(), text) == kKeywords.end();
}

enum class Position {
    Bare,               // written without quotes
    Quoted,             // quoted, and nothing is read by comma after it
    QuotedBeforeValues, // quoted, with values read by comma after it
};

// The format has no escapes: such text would not read back as written.
// `loaded` marks a text the loaded file wrote: the game read its backslashes
// as Lua escapes before, and reads them so again.
std::optional<WriteError> checkText(std::string_view text, std::string field, Position position,
                                    bool loaded) {
    if (position != Position::Bare && text.find('"') != std::string_view::npos) {
        return WriteError{std::move(field), "a double quote cannot be saved inside a quoted value"};
    }
    // The game reads quoted values as Lua strings, where a backslash starts an
    // escape: "a\tb" would reach it as a, a tab and b.
    if (position != Position::Bare && !loaded && text.find('\\') != std::string_view::npos) {
        return WriteError{std::move(field),
                          "a backslash cannot be saved inside a quoted value: the game would "
                          "read it as the start of an escape"};
    }
    if (position == Position::QuotedBeforeValues && text.find(',') != std::string_view::npos) {
        return WriteError{
            std::move(field),
            "a comma cannot be saved in this value: it would shift the values after it"};
    }
    if (hasLineBreak(text)) {
        return WriteError{std::move(field), "a line break cannot be saved inside a value"};
    }
    return std::nullopt;
}

std::optional<WriteError> checkState(const WeaponState& state) {
    const auto loaded = [&](const std::string& text) {
        const auto& escapes = state.strLoadedEscapes;
        return std::find(escapes.begin(), escapes.end(), text) != escapes.end();
    };
    for (const ScalarField& field : startWeaponConfigFields()) {
        const ValueRef value = field.at(state);
        const auto* text = std::get_if<std::string*>(&value);
        if (text == nullptr) {
            continue;
        }
        if (auto error =
                checkText(**text, std::string(field.name),
                          field.argument == 0 ? Position::Bare : Position::QuotedBeforeValues,
                          loaded(**text))) {
            return error;
        }
    }
    for (std::size_t i = 0; i < state.Results.size(); ++i) {
        const WeaponResult& r = state.Results[i];
        const std::string which = " of impact result " + std::to_string(i + 1);
        for (const auto& [text, name, position] :
             {std::tuple{&r.sCondition, "sCondition", Position::QuotedBeforeValues},
              {&r.sEffect, "sEffect", Position::QuotedBeforeValues},
              {&r.sTarget, "sTarget", Position::QuotedBeforeValues},
              {&r.sSpawnedWeaponEffect, "sSpawnedWeaponEffect", Position::Quoted}}) {
            if (auto error = checkText(*text, name + which, position, loaded(*text))) {
                return error;
            }
        }
    }
    const auto checkFamilies = [](const std::vector<std::string>& families,
                                  std::string_view table) -> std::optional<WriteError> {
        for (const std::string& family : families) {
            // A Lua name holds no line break either.
            if (!isLuaName(family)) {
                return WriteError{std::string(table) + " family " + family,
                                  "the game reads a family name only as a Lua name: letters, "
                                  "digits and _, not starting with a digit, not a Lua keyword"};
            }
        }
        return std::nullopt;
    };
    if (auto error = checkFamilies(state.Penetration.sFamilies, "penetration")) {
        return error;
    }
    if (auto error = checkFamilies(state.Accuracy.sFamilies, "accuracy")) {
        return error;
    }
    for (const std::string& family : state.Accuracy.sFamilies) {
        if (family.find("damage") != std::string::npos) {
            return WriteError{"accuracy family " + family,
                              "an accuracy family whose name holds \"damage\" would read back as "
                              "the damage part of the family before it"};
        }
    }
    const PenetrationSet& p = state.Penetration;
    const AccuracySet& a = state.Accuracy;
    if (p.fValues.size() != p.sFamilies.size()) {
        return WriteError{"Penetration", "the table has fewer values than families"};
    }
    if (a.fValues.size() != a.sFamilies.size() || a.iAlwaysDamage.size() != a.sFamilies.size()) {
        return WriteError{"Accuracy", "the table has fewer values than families"};
    }
    return std::nullopt;
}

void line(std::string& out, std::string_view text = {}) {
    out += text;
    out += kLineEnd;
}

void writeResults(std::string& out, const std::vector<WeaponResult>& results) {
    for (const WeaponResult& r : results) {
        line(out, "AddWeaponResult(NewWeaponType," + quoted(r.sCondition) + "," +
                      quoted(r.sEffect) + "," + quoted(r.sTarget) + "," + numberText(r.fMinEffect) +
                      "," + numberText(r.fMaxEffect) + "," + quoted(r.sSpawnedWeaponEffect) + ")");
    }
    if (!results.empty()) {
        line(out);
    }
}

void writePenetration(std::string& out, const PenetrationSet& p) {
    line(out, "setPenetration(NewWeaponType," + integerText(p.iFieldPenetration) + "," +
                  numberText(p.fDefaultPenetration) + ",");
    if (p.sFamilies.empty()) {
        line(out, "{})");
    }
    for (std::size_t i = 0; i < p.sFamilies.size(); ++i) {
        const bool last = i + 1 == p.sFamilies.size();
        line(out, "{" + p.sFamilies[i] + "=" + numberText(p.fValues[i]) + (last ? ",})" : ",},"));
    }
    line(out);
}

void writeAccuracy(std::string& out, const AccuracySet& a) {
    line(out, "setAccuracy(NewWeaponType," + integerText(a.iLeadingValue) + ",");
    if (a.sFamilies.empty()) {
        line(out, "{})");
        line(out);
    }
    for (std::size_t i = 0; i < a.sFamilies.size(); ++i) {
        const bool last = i + 1 == a.sFamilies.size();
        const bool damage = a.iAlwaysDamage[i] != 0;
        std::string row = "{" + a.sFamilies[i] + "=" + numberText(a.fValues[i]);
        row += damage ? ", damage=1" : "";
        row += last ? ",})" : ",},";
        line(out, row);
        // The last row is followed by an empty line only without the damage part.
        if (last && !damage) {
            line(out);
        }
    }
}

} // namespace

std::string swcString(const VyrWeapon& weapon) {
    WeaponState holder;
    holder.CurrentWeapon = weapon;
    std::string out = "StartWeaponConfig(";
    for (const ScalarField& field : startWeaponConfigFields()) {
        if (field.argument != 0) {
            out += ',';
        }
        out += std::visit(ArgumentText{field.argument != 0}, field.at(holder));
    }
    out += ')';
    return out;
}

Expected<std::string, WriteError> writeWeaponScript(const WeaponState& state) {
    if (auto error = checkState(state)) {
        return *error;
    }
    std::string out;
    out.reserve(1024);
    line(out, swcString(state.CurrentWeapon));
    line(out);
    writeResults(out, state.Results);
    for (const std::string_view statement : {"setAngles", "setMiscValues"}) {
        if (statementWritten(statement, state)) {
            std::string text = std::string(statement) + "(NewWeaponType";
            for (const ScalarField& field : statementFields(statement)) {
                text += "," + fieldText(field, state);
            }
            line(out, text + ")");
            line(out);
        }
    }
    writePenetration(out, state.Penetration);
    writeAccuracy(out, state.Accuracy);
    for (const std::string& unrecognised : state.strLines) {
        if (!unrecognised.empty()) {
            line(out, unrecognised);
        }
    }
    return out;
}

} // namespace wepn
