#pragma once

// Eight bytes of text at a time, for scans that skip what cannot matter.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace wepn::detail {

/// The eight bytes at `at`, in memory order whatever the byte order.
inline std::uint64_t loadWord(const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

/// The high bit of each byte of `x` that equals `c`, exactly.
inline std::uint64_t bytesEqual(std::uint64_t x, char c) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t t = x ^ (0x0101010101010101ULL * std::uint8_t(c));
    return ~(((t & low7) + low7) | t | low7);
}

/// The index of the first byte in memory whose high bit is set in `bits`
/// (which has one set), as bytesEqual gives them.
inline std::size_t firstByteSet(std::uint64_t bits) {
    if constexpr (std::endian::native == std::endian::little) {
        return std::size_t(std::countr_zero(bits)) / 8;
    } else {
        return std::size_t(std::countl_zero(bits)) / 8;
    }
}

} // namespace wepn::detail
