#include "game/editor_calls.h"

#include "game/game_script.h"
#include "model/fields.h"

#include <algorithm>
#include <array>
#include <span>

namespace wepn::game {
namespace {

constexpr std::array<std::string_view, 6> kResultFields{
    "sCondition", "sEffect", "sTarget", "fMinEffect", "fMaxEffect", "sSpawnedWeaponEffect"};

// A text as the editor shows it, or (`saved`) as the game receives it from a
// save: a loaded text with escapes is written as it stands, and Lua reads
// its escapes.
LuaValue textValue(const std::string& text, const WeaponState& state, bool saved) {
    const auto& escapes = state.strLoadedEscapes;
    if (saved && std::find(escapes.begin(), escapes.end(), text) != escapes.end()) {
        const auto calls = runAsGame("setAngles(\"" + text + "\")");
        if (calls && calls->size() == 1 && calls->front().arguments.size() == 1) {
            return calls->front().arguments[0];
        }
    }
    return LuaValue::ofString(text);
}

struct ToValue {
    const WeaponState& state;
    bool saved;
    LuaValue operator()(const std::string* v) const { return textValue(*v, state, saved); }
    LuaValue operator()(const double* v) const { return LuaValue::ofNumber(*v); }
    LuaValue operator()(const std::int16_t* v) const { return LuaValue::ofNumber(*v); }
    LuaValue operator()(const std::int32_t* v) const { return LuaValue::ofNumber(*v); }
};

// The scalar fields among the arguments after the weapon identifier (the
// first StartWeaponConfig argument, which holds sWeaponName).
std::span<const ScalarField> scalarArguments(GameFunction function) {
    const std::span<const ScalarField> fields = statementFields(functionName(function));
    return function == GameFunction::StartWeaponConfig ? fields.subspan(1) : fields;
}

// The names of the arguments after the weapon identifier.
std::vector<std::string_view> fieldNames(GameFunction function) {
    if (function == GameFunction::AddWeaponResult) {
        return {kResultFields.begin(), kResultFields.end()};
    }
    std::vector<std::string_view> names;
    for (const ScalarField& field : scalarArguments(function)) {
        names.push_back(field.name);
    }
    return names;
}

GameCall scalarCall(GameFunction function, const WeaponState& state, bool saved) {
    GameCall call{function, {LuaValue::weapon()}};
    for (const ScalarField& field : scalarArguments(function)) {
        call.arguments.push_back(std::visit(ToValue{state, saved}, field.at(state)));
    }
    return call;
}

GameCall resultCall(const WeaponResult& r, const WeaponState& state, bool saved) {
    const auto text = [&](const std::string& t) { return textValue(t, state, saved); };
    return GameCall{GameFunction::AddWeaponResult,
                    {LuaValue::weapon(), text(r.sCondition), text(r.sEffect), text(r.sTarget),
                     LuaValue::ofNumber(r.fMinEffect), LuaValue::ofNumber(r.fMaxEffect),
                     text(r.sSpawnedWeaponEffect)}};
}

LuaValue familyTable(const std::string& family, double value, std::int16_t damage) {
    LuaValue table;
    table.kind = LuaValue::Kind::Table;
    table.entries.push_back({LuaValue::ofString(family), LuaValue::ofNumber(value)});
    if (damage != 0) {
        table.entries.push_back({LuaValue::ofString("damage"), LuaValue::ofNumber(damage)});
    }
    sortEntries(table);
    return table;
}

void addFamilies(GameCall& call, const std::vector<std::string>& families,
                 const std::vector<double>& values, const std::vector<std::int16_t>* damage) {
    for (std::size_t i = 0; i < families.size(); ++i) {
        call.arguments.push_back(familyTable(families[i], values[i], damage ? (*damage)[i] : 0));
    }
    if (families.empty()) {
        LuaValue empty;
        empty.kind = LuaValue::Kind::Table;
        call.arguments.push_back(empty);
    }
}

} // namespace

std::vector<GameCall> editorCalls(const WeaponState& state, bool saved) {
    std::vector<GameCall> calls{scalarCall(GameFunction::StartWeaponConfig, state, saved)};
    for (const WeaponResult& result : state.Results) {
        calls.push_back(resultCall(result, state, saved));
    }
    calls.push_back(scalarCall(GameFunction::setAngles, state, saved));
    if (statementWritten(functionName(GameFunction::setMiscValues), state)) {
        calls.push_back(scalarCall(GameFunction::setMiscValues, state, saved));
    }
    GameCall penetration = scalarCall(GameFunction::setPenetration, state, saved);
    addFamilies(penetration, state.Penetration.sFamilies, state.Penetration.fValues, nullptr);
    calls.push_back(std::move(penetration));
    GameCall accuracy = scalarCall(GameFunction::setAccuracy, state, saved);
    addFamilies(accuracy, state.Accuracy.sFamilies, state.Accuracy.fValues,
                &state.Accuracy.iAlwaysDamage);
    calls.push_back(std::move(accuracy));
    return calls;
}

std::string argumentName(GameFunction function, std::size_t k) {
    std::string name =
        "argument " + std::to_string(k) + " of " + std::string(functionName(function));
    const std::vector<std::string_view> names = fieldNames(function);
    if (k >= 1 && k <= names.size()) {
        name += " (" + std::string(names[k - 1]) + ")";
    }
    return name;
}

std::size_t tableCallLeadingArguments(GameFunction function) {
    switch (function) {
    case GameFunction::setPenetration:
    case GameFunction::setAccuracy:
        return 1 + scalarArguments(function).size();
    default:
        return 0;
    }
}

} // namespace wepn::game
