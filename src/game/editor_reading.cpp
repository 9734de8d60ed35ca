#include "game/editor_reading.h"

namespace wepn::game {

Expected<WeaponState, LoadError> editorReading(std::string_view bytes,
                                               const std::optional<FamilyRows>& familyRows) {
    Expected<LoadOutcome, LoadError> loaded =
        loadWeapon(WeaponState{}, familyRows, bytes,
                   familyRows ? LoadedTables::FromRows : LoadedTables::AsNamed);
    if (!loaded) {
        return loaded.error();
    }
    return std::move(loaded->state);
}

} // namespace wepn::game
