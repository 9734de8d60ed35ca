#include "cli/weapon_json.h"

#include "sheet/latin1.h"
#include "model/fields.h"

#include <unordered_map>

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

// A table of families as a JSON object. A family the file names more than
// once holds all its values, in order, in an array, so that nothing is lost.
// Where each key is, is kept beside the object: finding it in the object
// would take time growing with the number of families.
class FamilyTable {
  public:
    void add(const std::string& family, Json value) {
        auto& members = m_json.get_ref<Json::object_t&>();
        const auto [at, added] = m_positions.emplace(latin1ToUtf8(family), members.size());
        if (added) {
            members.emplace_back(at->first, std::move(value));
            return;
        }
        Json& known = (members.begin() + static_cast<std::ptrdiff_t>(at->second))->second;
        if (!known.is_array()) {
            known = Json::array({std::move(known)});
        }
        known.push_back(std::move(value));
    }
    Json take() { return std::move(m_json); }

  private:
    Json m_json = Json::object();
    std::unordered_map<std::string, std::size_t> m_positions;
};

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
    FamilyTable penetration;
    for (std::size_t i = 0; i < state.Penetration.sFamilies.size(); ++i) {
        penetration.add(state.Penetration.sFamilies[i], state.Penetration.fValues[i]);
    }
    json["penetration"] = penetration.take();
    FamilyTable accuracy;
    for (std::size_t i = 0; i < state.Accuracy.sFamilies.size(); ++i) {
        accuracy.add(state.Accuracy.sFamilies[i], {{"value", state.Accuracy.fValues[i]},
                                                   {"damage", state.Accuracy.iAlwaysDamage[i]}});
    }
    json["accuracy"] = accuracy.take();
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
