#include "sheet/weapon_table.h"

#include "model/fields.h"
#include "model/number_text.h"
#include "model/text_tokens.h"
#include "sheet/latin1.h"

#include <unordered_set>

namespace wepn {
namespace {

// Adds the families of `named` not yet in `families` (ignoring case; `seen`
// holds the lower-case names so far).
void addFamilies(std::vector<std::string>& families, std::unordered_set<std::string>& seen,
                 const std::vector<std::string>& named) {
    for (const std::string& family : named) {
        if (seen.insert(toLowerLatin1(family)).second) {
            families.push_back(family);
        }
    }
}

} // namespace

std::vector<std::string> tableColumns(const std::vector<const WeaponState*>& weapons) {
    std::vector<std::string> columns{std::string(kPathColumn)};
    for (const ScalarField& field : startWeaponConfigFields()) {
        columns.emplace_back(field.name);
    }
    columns.emplace_back(kResultsColumn);
    std::vector<std::string> armour;
    std::vector<std::string> attack;
    std::unordered_set<std::string> armourSeen;
    std::unordered_set<std::string> attackSeen;
    for (const WeaponState* weapon : weapons) {
        addFamilies(armour, armourSeen, weapon->Penetration.sFamilies);
        addFamilies(attack, attackSeen, weapon->Accuracy.sFamilies);
    }
    for (const std::string& family : armour) {
        columns.push_back(std::string(kPenetrationPrefix) + latin1ToUtf8(family));
    }
    for (const std::string& family : attack) {
        columns.push_back(std::string(kAccuracyPrefix) + latin1ToUtf8(family));
        columns.push_back(std::string(kAccuracyPrefix) + latin1ToUtf8(family) +
                          std::string(kDamageSuffix));
    }
    return columns;
}

std::optional<TableColumn> TableColumn::named(std::string_view column) {
    TableColumn resolved;
    if (column == kResultsColumn) {
        return resolved;
    }
    const std::optional<std::string> latin1 = utf8ToLatin1(column);
    if (!latin1) {
        return std::nullopt;
    }
    std::string_view name = *latin1;
    if (name.starts_with(kPenetrationPrefix)) {
        resolved.m_kind = Kind::Penetration;
        resolved.m_family = toLowerLatin1(name.substr(kPenetrationPrefix.size()));
    } else if (name.starts_with(kAccuracyPrefix)) {
        name.remove_prefix(kAccuracyPrefix.size());
        resolved.m_kind = Kind::Accuracy;
        if (name.size() > kDamageSuffix.size() && name.ends_with(kDamageSuffix)) {
            resolved.m_kind = Kind::AccuracyDamage;
            name.remove_suffix(kDamageSuffix.size());
        }
        resolved.m_family = toLowerLatin1(name);
    } else {
        resolved.m_kind = Kind::Field;
        resolved.m_field = findScalarField(name);
        if (resolved.m_field == nullptr) {
            return std::nullopt;
        }
    }
    return resolved;
}

std::string TableColumn::cell(const WeaponState& state, const WeaponFamilies& families) const {
    switch (m_kind) {
    case Kind::Results:
        return std::to_string(state.Results.size());
    case Kind::Field:
        return latin1ToUtf8(fieldText(*m_field, state));
    case Kind::Penetration: {
        const auto k = families.penetration.find(m_family);
        return k ? numberText(state.Penetration.fValues[*k]) : "";
    }
    case Kind::Accuracy:
    case Kind::AccuracyDamage:
        break;
    }
    const auto k = families.accuracy.find(m_family);
    if (!k) {
        return "";
    }
    return m_kind == Kind::AccuracyDamage ? integerText(state.Accuracy.iAlwaysDamage[*k])
                                          : numberText(state.Accuracy.fValues[*k]);
}

CellKind TableColumn::kind() const {
    switch (m_kind) {
    case Kind::Field:
        if (m_field->storage != ChoiceStorage::None) {
            return CellKind::Other;
        }
        return m_field->kind == ValueKind::Text   ? CellKind::Text
               : m_field->kind == ValueKind::Real ? CellKind::Number
                                                  : CellKind::Integer;
    case Kind::Penetration:
    case Kind::Accuracy:
        return CellKind::Number;
    case Kind::Results:
    case Kind::AccuracyDamage:
        break;
    }
    return CellKind::Other;
}

} // namespace wepn
