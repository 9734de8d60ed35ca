#pragma once

#include "model/family_list.h"

#include <optional>
#include <string>
#include <string_view>

namespace wepn::game {

/// How one script fares when the editor loads it and saves it again, judged
/// by what the game receives from the saved text.
enum class RoundTrip {
    GameRefusesInput,   ///< Lua cannot run the script itself
    EditorRefusesInput, ///< the editor's load fails
    SaveRefuses,        ///< a save refuses a value the file cannot carry
    CutFromCode,        ///< the script's unrecognised lines do not run without the statements
                        ///< the reader took from among them, so carrying them cannot work
    Holds,              ///< the saved text runs and gives the game exactly what it loads as
    Fails,              ///< the saved text does not run, does not load, or gives the game
                        ///< something else than the editor loads from it
};

struct RoundTripResult {
    RoundTrip outcome;
    std::string detail; ///< for Fails: what went wrong, with the saved text
};

/// The round trip of one script: when Lua runs it and the editor loads and
/// saves it (the text every save writes) (with the family rows, or without any as wepn does), the
/// saved text runs in Lua as well, and the calls the game receives from it equal, call by call and
/// number by number as doubles, those the editor's load of that saved text stands for.
RoundTripResult checkRoundTrip(std::string_view script,
                               const std::optional<FamilyRows>& familyRows);

} // namespace wepn::game
