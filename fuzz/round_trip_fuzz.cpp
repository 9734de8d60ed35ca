// Every input that loads survives saving: what is written loads again, and
// writing that gives the same bytes and the same weapon.
#include "model/load.h"
#include "model/script_writer.h"

#include <cstdlib>

namespace {

const wepn::FamilyRows kRows{{"Fighter - N", "Frigate - N"}, {"SmallCraft - N", "BigShips - N"}};

// The unrecognised lines in order; where they stood differs between saves.
std::vector<std::string> unrecognised(const wepn::WeaponState& state) {
    std::vector<std::string> lines;
    for (const std::string& line : state.strLines) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

wepn::LoadOutcome loadOrDie(std::string_view bytes) {
    auto outcome = wepn::loadWeapon({}, kRows, bytes);
    if (!outcome.ok()) {
        std::abort();
    }
    return outcome.value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first =
        wepn::loadWeapon({}, kRows, std::string_view(reinterpret_cast<const char*>(data), size));
    if (!first.ok()) {
        return 0;
    }
    const auto once = wepn::writeWeaponScript(first->state);
    if (!once.ok()) {
        return 0; // text the format cannot carry is refused, which is fine
    }
    const wepn::LoadOutcome second = loadOrDie(*once);
    const auto twice = wepn::writeWeaponScript(second.state);
    if (!twice.ok() || *twice != *once) {
        std::abort();
    }
    wepn::LoadOutcome third = loadOrDie(*twice);
    wepn::WeaponState a = second.state;
    if (unrecognised(a) != unrecognised(third.state)) {
        std::abort();
    }
    a.strLines.clear();
    third.state.strLines.clear();
    if (!(a == third.state) || second.rows != third.rows) {
        std::abort();
    }
    return 0;
}
