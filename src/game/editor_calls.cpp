#include "game/editor_calls.h"

#include "model/fields.h"

#include <algorithm>
#include <array>
#include <span>

namespace wepn::game {
namespace {

constexpr std::array<std::string_view, 6> kResultFields{
    "sCondition", "sEffect", "sTarget", "fMinEffect", "fMaxEffect", "sSpawnedWeaponEffect"};
constexpr std::array<std::string_view, 5> kAngleFields{"fFiringArc", "fLeftRot", "fRightRot",
                                                       "fDownRot", "fUpRot"};
constexpr std::array<std::string_view, 2> kMiscFields{"fBarrelRecoil", "fSlaveFireDelay"};
constexpr std::array<std::string_view, 2> kPenetrationFields{"iFieldPenetration",
                                                             "fDefaultPenetration"};
constexpr std::array<std::string_view, 1> kAccuracyFields{"iLeadingValue"};

struct ToValue {
    LuaValue operator()(const std::string* v) const { return LuaValue::ofString(*v); }
    LuaValue operator()(const double* v) const { return LuaValue::ofNumber(*v); }
    LuaValue operator()(const std::int16_t* v) const { return LuaValue::ofNumber(*v); }
    LuaValue operator()(const std::int32_t* v) const { return LuaValue::ofNumber(*v); }
};

// The names of the arguments after the weapon identifier.
std::vector<std::string_view> fieldNames(GameFunction function) {
    const auto names = [](std::span<const std::string_view> list) {
        return std::vector<std::string_view>(list.begin(), list.end());
    };
    switch (function) {
    case GameFunction::StartWeaponConfig: {
        std::vector<std::string_view> config;
        for (const ScalarField& field : startWeaponConfigFields().subspan(1)) {
            config.push_back(field.name);
        }
        return config;
    }
    case GameFunction::AddWeaponResult:
        return names(kResultFields);
    case GameFunction::setAngles:
        return names(kAngleFields);
    case GameFunction::setMiscValues:
        return names(kMiscFields);
    case GameFunction::setPenetration:
        return names(kPenetrationFields);
    case GameFunction::setAccuracy:
        return names(kAccuracyFields);
    }
    return {};
}

GameCall scalarCall(GameFunction function, const WeaponState& state) {
    GameCall call{function, {LuaValue::weapon()}};
    for (const std::string_view name : fieldNames(function)) {
        call.arguments.push_back(std::visit(ToValue{}, findScalarField(name)->at(state)));
    }
    return call;
}

GameCall resultCall(const WeaponResult& r) {
    return GameCall{GameFunction::AddWeaponResult,
                    {LuaValue::weapon(), LuaValue::ofString(r.sCondition),
                     LuaValue::ofString(r.sEffect), LuaValue::ofString(r.sTarget),
                     LuaValue::ofNumber(r.fMinEffect), LuaValue::ofNumber(r.fMaxEffect),
                     LuaValue::ofString(r.sSpawnedWeaponEffect)}};
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

std::vector<GameCall> editorCalls(const WeaponState& state) {
    std::vector<GameCall> calls{scalarCall(GameFunction::StartWeaponConfig, state)};
    for (const WeaponResult& result : state.Results) {
        calls.push_back(resultCall(result));
    }
    calls.push_back(scalarCall(GameFunction::setAngles, state));
    if (state.bTurretProperties) {
        calls.push_back(scalarCall(GameFunction::setMiscValues, state));
    }
    GameCall penetration = scalarCall(GameFunction::setPenetration, state);
    addFamilies(penetration, state.Penetration.sFamilies, state.Penetration.fValues, nullptr);
    calls.push_back(std::move(penetration));
    GameCall accuracy = scalarCall(GameFunction::setAccuracy, state);
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
        return 1 + kPenetrationFields.size();
    case GameFunction::setAccuracy:
        return 1 + kAccuracyFields.size();
    default:
        return 0;
    }
}

} // namespace wepn::game
