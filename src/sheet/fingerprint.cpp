#include "sheet/fingerprint.h"

#include <cstdint>

namespace wepn {

std::string fingerprint(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "fnv1a64:";
    for (int shift = 60; shift >= 0; shift -= 4) {
        text += kDigits[(hash >> shift) & 0xF];
    }
    return text;
}

} // namespace wepn
