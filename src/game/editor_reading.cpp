#include "editor_reading.h"

namespace wepn::game {

Expected<WeaponState, LoadError> editorReading(std::string_view bytes,
                                               const std::optional<FamilyRows>& familyRows) {
    Expected<LoadOutcome, LoadError> loaded = loadWeapon(WeaponState{}, familyRows, bytes);
    if (!loaded) {
        return loaded.error();
    }
    WeaponState state = std::move(loaded->state);
    if (!familyRows) {
        // The load succeeded, so reading the same bytes does too.
        const Expected<WeaponState, LoadError> read = readWeaponScript(WeaponState{}, bytes);
        state.Penetration = read->Penetration;
        state.Accuracy = read->Accuracy;
    }
    return state;
}

} // namespace wepn::game
