#include "cli/weapon_json.h"

#include "cli/latin1.h"
#include "model/fields.h"

namespace wepn {
namespace {

using Json = nlohmann::ordered_json;

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

// Adds a family's value to a table; a family the file names more than once
// holds all its values, in order, in an array, so that nothing is lost.
void addFamily(Json& table, const std::string& family, Json value) {
    const std::string key = latin1ToUtf8(family);
    if (!table.contains(key)) {
        table[key] = std::move(value);
        return;
    }
    Json& known = table[key];
    if (!known.is_array()) {
        known = Json::array({std::move(known)});
    }
    known.push_back(std::move(value));
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

nlohmann::ordered_json weaponJson(std::string_view file, const WeaponState& state) {
    Json json = Json::object();
    json["format"] = kDumpFormat;
    json["file"] = nameToUtf8(file);
    for (const ScalarField& field : scalarFields()) {
        json[std::string(field.name)] = scalarValue(field, state);
    }
    Json results = Json::array();
    for (const WeaponResult& result : state.Results) {
        results.push_back(resultJson(result));
    }
    json["results"] = std::move(results);
    Json penetration = Json::object();
    for (std::size_t i = 0; i < state.Penetration.sFamilies.size(); ++i) {
        addFamily(penetration, state.Penetration.sFamilies[i], state.Penetration.fValues[i]);
    }
    json["penetration"] = std::move(penetration);
    Json accuracy = Json::object();
    for (std::size_t i = 0; i < state.Accuracy.sFamilies.size(); ++i) {
        addFamily(
            accuracy, state.Accuracy.sFamilies[i],
            {{"value", state.Accuracy.fValues[i]}, {"damage", state.Accuracy.iAlwaysDamage[i]}});
    }
    json["accuracy"] = std::move(accuracy);
    json["bTurretProperties"] = state.bTurretProperties;
    Json lines = Json::array();
    for (std::size_t i = 0; i < state.strLines.size(); ++i) {
        if (!state.strLines[i].empty()) {
            lines.push_back(Json{{"line", i + 1}, {"text", latin1ToUtf8(state.strLines[i])}});
        }
    }
    json["unrecognised_lines"] = std::move(lines);
    return json;
}

} // namespace wepn
