// Every input that loads survives saving: what is written loads again, and
// writing that gives the same bytes and the same weapon. The loaded weapon is
// then edited as `wepn set` edits a field, with any double the input's last
// bytes spell, and what a save accepts must load back into the same weapon.
#include "model/fields.h"
#include "model/load.h"
#include "model/number_text.h"
#include "model/saved_script.h"
#include "model/script_writer.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

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

// Sets one number field to a double taken bit for bit from the input.
void checkEditedSave(wepn::WeaponState state, const std::uint8_t* data, std::size_t size) {
    double value = 0;
    if (size < sizeof value + 1) {
        return;
    }
    std::memcpy(&value, data + size - sizeof value, sizeof value);
    const auto fields = wepn::scalarFields();
    const wepn::ScalarField& field = fields[data[size - sizeof value - 1] % fields.size()];
    const std::string text = wepn::numberText(value);
    if (!std::isfinite(value) || !wepn::setFieldFromText(field, state, text)) {
        return;
    }
    const auto saved = wepn::savedScript(state);
    if (!saved.ok()) {
        return; // refused with a reason: nothing would have been written
    }
    const auto reread = wepn::readWeaponScript(state, *saved);
    if (!reread.ok()) {
        std::abort();
    }
    const auto again = wepn::savedScript(*reread);
    if (!again.ok() || *again != *saved) {
        std::abort();
    }
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
    checkEditedSave(second.state, data, size);
    return 0;
}
