#pragma once

// Text read eight or sixteen bytes at a time, for scans that skip what cannot
// matter.

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

/// Sixteen bytes, compared all at once in the processor's vector registers.
using Bytes16 = unsigned char __attribute__((vector_size(16)));

inline Bytes16 loadBytes16(const char* at) {
    Bytes16 bytes;
    std::memcpy(&bytes, at, 16);
    return bytes;
}

/// The position of the first byte in memory that is set in the flags of a
/// comparison of Bytes16 (each byte 0 or all ones); 16 when none is.
template <class Flags> std::size_t firstFlagged(const Flags& flags) {
    static_assert(sizeof flags == 16);
    std::uint64_t halves[2];
    std::memcpy(halves, &flags, 16);
    const auto first = [](std::uint64_t half) {
        if constexpr (std::endian::native == std::endian::little) {
            return std::size_t(std::countr_zero(half)) / 8;
        } else {
            return std::size_t(std::countl_zero(half)) / 8;
        }
    };
    return halves[0] != 0 ? first(halves[0]) : halves[1] != 0 ? 8 + first(halves[1]) : 16;
}

} // namespace wepn::detail
