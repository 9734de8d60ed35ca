#pragma once

#include <cstddef>
#include <string_view>

namespace wepn {

/// The length of the valid UTF-8 sequence at the start of `bytes` (1 for an
/// ASCII byte), or 0 where no valid sequence starts: names on disk may hold
/// any bytes, and each program shows the others as Latin-1.
std::size_t utf8SequenceLength(std::string_view bytes);

} // namespace wepn
