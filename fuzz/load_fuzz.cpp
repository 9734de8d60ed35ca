// Any bytes: the load either succeeds or reports a line within the file.
#include "model/load.h"
#include "model/text_tokens.h"

#include <cstdlib>

namespace {
const wepn::FamilyRows kRows{{"Fighter - N", "Frigate - N"}, {"SmallCraft - N", "BigShips - N"}};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto outcome = wepn::loadWeapon({}, kRows, bytes);
    if (!outcome.ok() && outcome.error().line > wepn::splitLines(bytes).size()) {
        std::abort();
    }
    return 0;
}
