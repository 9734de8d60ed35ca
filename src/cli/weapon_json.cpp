#include "cli/weapon_json.h"

#include "cli/latin1.h"
#include "model/fields.h"

namespace wepn {
namespace {

using Json = nlohmann::ordered_json;

Json texts(const std::vector<std::string>& values) {
    Json array = Json::array();
    for (const std::string& value : values) {
        array.push_back(latin1ToUtf8(value));
    }
    return array;
}

Json scalarValue(const ScalarField& field, const WeaponState& state) {
    // The accessors only hand out addresses; reading through them does not modify.
    const ValueRef ref = field.at(const_cast<WeaponState&>(state));
    struct Visitor {
        Json operator()(std::string* v) const { return latin1ToUtf8(*v); }
        Json operator()(double* v) const { return *v; }
        Json operator()(std::int16_t* v) const { return *v; }
        Json operator()(std::int32_t* v) const { return *v; }
    };
    return std::visit(Visitor{}, ref);
}

Json resultJson(const WeaponResult& result) {
    return Json{{"sCondition", latin1ToUtf8(result.sCondition)},
                {"sEffect", latin1ToUtf8(result.sEffect)},
                {"sTarget", latin1ToUtf8(result.sTarget)},
                {"fMinEffect", result.fMinEffect},
                {"fMaxEffect", result.fMaxEffect},
                {"sSpawnedWeaponEffect", latin1ToUtf8(result.sSpawnedWeaponEffect)}};
}

} // namespace

nlohmann::ordered_json weaponJson(const WeaponState& state) {
    Json json = Json::object();
    for (const ScalarField& field : scalarFields()) {
        json[std::string(field.name)] = scalarValue(field, state);
    }
    Json results = Json::array();
    for (const WeaponResult& result : state.Results) {
        results.push_back(resultJson(result));
    }
    json["Results"] = std::move(results);
    json["Penetration"] = Json{{"iFieldPenetration", state.Penetration.iFieldPenetration},
                               {"fDefaultPenetration", state.Penetration.fDefaultPenetration},
                               {"sFamilies", texts(state.Penetration.sFamilies)},
                               {"fValues", state.Penetration.fValues}};
    json["Accuracy"] = Json{{"iLeadingValue", state.Accuracy.iLeadingValue},
                            {"sFamilies", texts(state.Accuracy.sFamilies)},
                            {"fValues", state.Accuracy.fValues},
                            {"iAlwaysDamage", state.Accuracy.iAlwaysDamage}};
    json["bTurretProperties"] = state.bTurretProperties;
    Json lines = Json::array();
    for (std::size_t i = 0; i < state.strLines.size(); ++i) {
        if (!state.strLines[i].empty()) {
            lines.push_back(Json{{"line", i + 1}, {"text", latin1ToUtf8(state.strLines[i])}});
        }
    }
    json["unrecognisedLines"] = std::move(lines);
    return json;
}

} // namespace wepn
