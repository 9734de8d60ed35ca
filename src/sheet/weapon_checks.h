#pragma once

#include "model/weapon.h"
#include "sheet/weapon_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// What running a weapon file as the game does found: the error that stops
// the game, or each value the game receives otherwise than the editor shows
// (UTF-8 texts).
struct GameCheck {
    std::optional<Failure> error;
    std::vector<std::string> differences;
};

// Runs a weapon file's bytes as the game does. The values are compared only
// when the editor loads the bytes too, without a family list: its tables as
// the file names them.
GameCheck gameCheckOf(std::string_view bytes);

// The folders under a data directory's Scripts\Weaponfire, in listing order.
std::vector<std::string> weaponFireFolders(const std::string& dataDir);

// What the game data says about a loaded weapon, in UTF-8: a weapon-fire
// effect without its folder (matched ignoring case, as the game's platform
// does) and impact results whose condition or effect the window does not
// offer.
std::vector<std::string> dataWarnings(const WeaponState& state,
                                      const std::vector<std::string>& folders);

} // namespace wepn
