// Any text: strict reading agrees with the text form. A number that reads
// gives a text that reads back to a number with the same text.
#include "model/number_text.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    wepn::readLenientNumber(text);
    const auto value = wepn::readNumber(text);
    if (!value) {
        return 0;
    }
    if (!std::isfinite(*value)) {
        std::abort();
    }
    const std::string shown = wepn::numberText(*value);
    const auto again = wepn::readNumber(shown);
    if (!again || wepn::numberText(*again) != shown) {
        std::abort();
    }
    return 0;
}
