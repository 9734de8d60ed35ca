#include "model/family_edit.h"

#include "model/list_rows.h"
#include "model/number_text.h"

namespace wepn {

std::string familyRow(const WeaponState& state, FamilyTable table, std::size_t index,
                      std::optional<std::string_view> valueText) {
    if (table == FamilyTable::Penetration) {
        const PenetrationSet& p = state.Penetration;
        return penetrationRow(p.sFamilies[index],
                              valueText ? std::string(*valueText) : numberText(p.fValues[index]));
    }
    const AccuracySet& a = state.Accuracy;
    return accuracyRow(a.sFamilies[index],
                       valueText ? std::string(*valueText) : numberText(a.fValues[index]),
                       a.iAlwaysDamage[index]);
}

Expected<std::string, RefusedValue> setFamilyValue(WeaponState& state, FamilyTable table,
                                                   std::size_t index, double value,
                                                   std::string_view valueText,
                                                   std::optional<std::int16_t> damage) {
    if (table == FamilyTable::Penetration) {
        state.Penetration.fValues[index] = value;
    } else {
        if (value < 0 || value > 1) {
            return RefusedValue{"Accuracy must be a value between 1 and 0."};
        }
        state.Accuracy.fValues[index] = value;
        if (damage) {
            state.Accuracy.iAlwaysDamage[index] = *damage;
        }
    }
    return familyRow(state, table, index, valueText);
}

} // namespace wepn
