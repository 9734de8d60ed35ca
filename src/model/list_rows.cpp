#include "model/list_rows.h"

#include "model/number_text.h"

namespace wepn {
namespace {
constexpr std::string_view kSeparator = " - ";
}

std::string resultRow(const WeaponResult& result) {
    const std::string minEffect = numberText(result.fMinEffect);
    const std::string maxEffect = numberText(result.fMaxEffect);
    std::string row;
    row.reserve(result.sCondition.size() + result.sEffect.size() + minEffect.size() +
                maxEffect.size() + result.sSpawnedWeaponEffect.size() + 4 * kSeparator.size());
    row += result.sCondition;
    row += kSeparator;
    row += result.sEffect;
    row += kSeparator;
    row += minEffect;
    row += kSeparator;
    row += maxEffect;
    row += kSeparator;
    row += result.sSpawnedWeaponEffect;
    return row;
}

std::string penetrationRow(std::string_view family, std::string_view valueText) {
    std::string row(family);
    row += kSeparator;
    row += valueText;
    return row;
}

std::string accuracyRow(std::string_view family, std::string_view valueText, std::int16_t damage) {
    std::string row = penetrationRow(family, valueText);
    row += kSeparator;
    row += integerText(damage);
    return row;
}

std::string_view rowFamily(std::string_view row) {
    return row.substr(0, row.find(kSeparator));
}

} // namespace wepn
