#include "editor/field_value.h"

namespace wepn {

FieldValue fieldValue(const ScalarField& field, const WeaponState& state) {
    return std::visit([](const auto* value) { return FieldValue(*value); }, field.at(state));
}

void storeFieldValue(const ScalarField& field, WeaponState& state, const FieldValue& value) {
    std::visit([&](auto* target) { *target = std::get<std::decay_t<decltype(*target)>>(value); },
               field.at(state));
}

std::optional<FieldValue> readFieldValue(const ScalarField& field, std::string_view text) {
    // The model's rules convert; a fresh state is only somewhere to put the result.
    WeaponState scratch;
    if (!setFieldFromText(field, scratch, text)) {
        return std::nullopt;
    }
    return fieldValue(field, scratch);
}

} // namespace wepn
