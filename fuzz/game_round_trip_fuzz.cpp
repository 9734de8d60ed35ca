// Whatever Lua runs and the editor loads, the editor's save runs in Lua too,
// gives the game exactly what the editor loads from it, keeps every line of
// code, and gives the game the same last call of each kind as the file, or
// the load warned of the change; with a family list and without one.
#include "game/game_round_trip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
const wepn::FamilyRows kRows{{"Fighter - N", "Frigate - N"}, {"SmallCraft - N", "BigShips - N"}};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    for (const auto& rows :
         {std::optional<wepn::FamilyRows>(kRows), std::optional<wepn::FamilyRows>()}) {
        const wepn::game::RoundTripResult result = wepn::game::checkRoundTrip(script, rows);
        if (result.outcome == wepn::game::RoundTrip::Fails) {
            std::fprintf(stderr, "%s\n", result.detail.c_str());
            std::abort();
        }
    }
    return 0;
}
