#pragma once

// Shared by the script and table readers: the error they throw internally
// (turned into a LoadError at the reader's boundary) and the conversions
// that name what failed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wepn::detail {

struct ScriptError {
    std::size_t line; // 1-based, 0 for the whole file
    std::string reason;
};

/// `what` names the value in messages, e.g. "argument 5 of StartWeaponConfig".
double toNumber(std::string_view text, std::string_view what, std::size_t line);
std::int16_t toInt16(std::string_view text, std::string_view what, std::size_t line);
std::int32_t toInt32(std::string_view text, std::string_view what, std::size_t line);

[[noreturn]] void fail(std::size_t line, std::string reason);

} // namespace wepn::detail
