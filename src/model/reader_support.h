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

/// Names a value in messages; only turned into text when a conversion fails:
/// "argument 5 of StartWeaponConfig" or "penetration value of family Fighter".
struct Where {
    static constexpr std::size_t kFamily = std::size_t(-1);

    std::string_view statement; ///< statement name, or the table value's name
    std::size_t argument = kFamily;
    std::string_view family = {};

    std::string text() const;
};

/// Keywords of the statements, as bits of a line's kind, in reading order.
enum Keyword : std::uint8_t {
    kStartWeaponConfig = 1,
    kAddWeaponResult = 2,
    kSetAngles = 4,
    kSetMiscValues = 8,
    kSetPenetration = 16,
    kSetAccuracy = 32,
};

double toNumber(std::string_view text, const Where& where, std::size_t line);
std::int16_t toInt16(std::string_view text, const Where& where, std::size_t line);
std::int32_t toInt32(std::string_view text, const Where& where, std::size_t line);

[[noreturn]] void fail(std::size_t line, std::string reason);

} // namespace wepn::detail
