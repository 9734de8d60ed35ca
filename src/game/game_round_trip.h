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
    Holds,              ///< the saved text runs, gives the game what the editor loads from it
                        ///< and the same last call of each kind as the script, and keeps
                        ///< every line of code
    Warned,             ///< as Holds, but the game receives other calls than from the script,
                        ///< each of a statement that a warning of the load names
    ReadOtherwise,      ///< as Warned, but the changed calls are those that the editor already
                        ///< reads otherwise than the game (what check --game reports)
    Fails,              ///< the saved text does not run, does not load, gives the game
                        ///< something else than the editor loads from it, loses a line of
                        ///< code, or changes a call unwarned
};

struct RoundTripResult {
    RoundTrip outcome;
    std::string detail; ///< for Fails: what went wrong, with the saved text;
                        ///< for ReadOtherwise: what check --game reports
};

/// The round trip of one script: when Lua runs it and the editor loads and
/// saves it (the text every save writes) (with the family rows, or without
/// any as wepn does), the saved text runs in Lua as well; the calls the game
/// receives from it equal, number by number as doubles, those the editor's
/// load of that saved text stands for (but for tables set again later); the
/// last call of each kind equals the script's, or a warning of the load names
/// the statement; and every line of code the editor does not write is kept.
RoundTripResult checkRoundTrip(std::string_view script,
                               const std::optional<FamilyRows>& familyRows);

} // namespace wepn::game
