#include "model/weapon_config_line.h"

#include "model/script_lines.h"

namespace wepn {

bool holdsWeaponConfig(std::string_view bytes) {
    try {
        return detail::ScriptLines(bytes).count(detail::kStartWeaponConfig) != 0;
    } catch (const detail::ScriptError&) {
        return false;
    }
}

} // namespace wepn
