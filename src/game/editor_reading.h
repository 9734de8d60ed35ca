#pragma once

#include "model/expected.h"
#include "model/family_list.h"
#include "model/load.h"
#include "model/weapon.h"

#include <optional>
#include <string_view>

namespace wepn::game {

/// What the editor reads from a script into a freshly started editor: the
/// whole load with the family rows when there are some; without, the load
/// with the tables as the script names them, as wepn shows and keeps them.
Expected<WeaponState, LoadError> editorReading(std::string_view bytes,
                                               const std::optional<FamilyRows>& familyRows);

} // namespace wepn::game
