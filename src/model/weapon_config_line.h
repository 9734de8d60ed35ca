#pragma once

#include <string_view>

namespace wepn {

/// True when the bytes hold a StartWeaponConfig statement outside comments,
/// as the reader finds it: what tells a weapon script from any other file.
bool holdsWeaponConfig(std::string_view bytes);

} // namespace wepn
