#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wepn {

/// The one text form of a double: rounded to 15 significant digits, shortest
/// plain decimal ("2500", "0.5", "-1.25"); exponent form ("1E+15", "5E-05")
/// for magnitudes from 1E+15 and below 1E-4. Negative zero gives "0".
std::string numberText(double value);

/// Plain decimal digits with a leading "-" for negative values.
std::string integerText(std::int64_t value);

/// Strict reading: blanks (spaces, tabs) around the number are ignored; the
/// rest must be [sign] digits [. digits] [E|e [sign] digits] with digits on at
/// least one side of the point. Overflow fails; underflow reads as zero.
std::optional<double> readNumber(std::string_view text);

/// Strict reading rounded to the nearest whole number (halves to even); fails
/// outside the type's signed range.
std::optional<std::int16_t> readInt16(std::string_view text);
std::optional<std::int32_t> readInt32(std::string_view text);

/// The number the text begins with (after leading blanks), 0 when it begins
/// with none. Never fails.
double readLenientNumber(std::string_view text);

} // namespace wepn
