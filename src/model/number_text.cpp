#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace wepn {
namespace {

// The powers of ten that are exact doubles.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin < end && isBlank(*begin)) {
        ++begin;
    }
    while (end > begin && isBlank(end[-1])) {
        --end;
    }
    return {begin, std::size_t(end - begin)};
}

// Length of the longest prefix of `text` that is a decimal number in the
// accepted notation, 0 when it does not begin with one.
std::size_t numberPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t fraction = 0;
        std::size_t j = i + 1;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        std::size_t exponentDigits = 0;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            ++exponentDigits;
        }
        if (exponentDigits > 0) {
            i = j;
        }
    }
    return i;
}

// Decimal exponent of the first significant digit of an unsigned, well-formed
// number: tells overflow from underflow when the conversion is out of range.
long long magnitudeExponent(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = digits.front() == '-';
        if (digits.front() == '-' || digits.front() == '+') {
            digits.remove_prefix(1);
        }
        for (char c : digits) {
            exponent = std::min<long long>(exponent * 10 + (c - '0'), 1'000'000'000);
        }
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    const long long position =
        first < point ? (long long)(point - first) - 1 : -(long long)(first - point);
    return position + exponent;
}

// Most numbers in weapon scripts have few digits: when the digits form an
// integer below 2^53 and the power of ten is at most 22, both are exact
// doubles and one multiplication or division rounds correctly. Nothing
// otherwise; `digits` is a well-formed unsigned number.
std::optional<double> exactlyRepresentable(std::string_view digits) {
    std::uint64_t mantissa = 0;
    int exponent = 0;
    std::size_t i = 0;
    int significant = 0;
    for (; i < digits.size() && digits[i] != 'e' && digits[i] != 'E'; ++i) {
        if (digits[i] == '.') {
            exponent = 0;
            for (std::size_t j = i + 1; j < digits.size() && isDigit(digits[j]); ++j) {
                --exponent;
            }
            continue;
        }
        if (mantissa != 0 || digits[i] != '0') {
            ++significant;
        }
        mantissa = mantissa * 10 + std::uint64_t(digits[i] - '0');
        if (significant > 15) {
            return std::nullopt;
        }
    }
    if (i < digits.size()) {
        int written = 0;
        const auto [end, ec] = std::from_chars(digits.data() + i + 1 + (digits[i + 1] == '+'),
                                               digits.data() + digits.size(), written);
        if (ec != std::errc() || end != digits.data() + digits.size()) {
            return std::nullopt;
        }
        exponent += written;
    }
    if (exponent < -22 || exponent > 22) {
        return std::nullopt;
    }
    const double value = double(mantissa);
    return exponent >= 0 ? value * kPowersOfTen[exponent] : value / kPowersOfTen[-exponent];
}

std::optional<double> convert(std::string_view number) {
    std::string_view digits = number;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    if (const std::optional<double> exact = exactlyRepresentable(digits)) {
        return negative ? -*exact : *exact;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (magnitudeExponent(digits) > 0) {
            return std::nullopt;
        }
        value = 0;
    } else if (ec != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// The common case in one pass: [sign] digits [. digits], no exponent, at
// most 15 digits, which exactlyRepresentable reads exactly. Nothing for any
// other text, which the full reading then takes.
std::optional<double> plainDecimal(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+')) {
        ++p;
    }
    std::uint64_t mantissa = 0;
    int digits = 0;
    int point = -1; // digits before the point
    for (; p < end; ++p) {
        const unsigned digit = unsigned(*p - '0');
        if (digit < 10) {
            mantissa = mantissa * 10 + digit;
            ++digits;
        } else if (*p == '.' && point < 0) {
            point = digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > 15) {
        return std::nullopt;
    }
    const int fraction = point < 0 ? 0 : digits - point;
    const double value =
        fraction == 0 ? double(mantissa) : double(mantissa) / kPowersOfTen[fraction];
    return negative ? -value : value;
}

template <class Int> std::optional<Int> readRounded(std::string_view text) {
    const std::optional<double> value = readNumber(text);
    if (!value) {
        return std::nullopt;
    }
    // Halves go to the even neighbour.
    const double rounded = std::nearbyint(*value);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

} // namespace

std::string numberText(double value) {
    if (value == 0 || !std::isfinite(value)) {
        // No text form is defined for NaN or infinity; reading never yields them.
        return "0";
    }
    char buffer[64];
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value)).ptr;
        return std::string(buffer, end);
    }
    // The shortest form that reads back is the value rounded to 15 significant
    // digits whenever it has no more than 15; otherwise round explicitly.
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    const char* e = std::find(buffer, end, 'e');
    const bool negative = buffer[0] == '-';
    const char* mantissa = buffer + (negative ? 1 : 0);
    // Subnormal values have fewer bits than 15 digits need: their shortest
    // form is not their 15-digit rounding, which is taken explicitly too.
    if (e - mantissa > 16 || std::fabs(value) < std::numeric_limits<double>::min()) {
        end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14)
                .ptr;
        e = std::find(buffer, end, 'e');
    }
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);

    // Significant digits without the point and without trailing zeros.
    char digits[20];
    std::size_t count = 0;
    for (const char* p = mantissa; p < e; ++p) {
        if (*p != '.') {
            digits[count++] = *p;
        }
    }
    while (count > 1 && digits[count - 1] == '0') {
        --count;
    }

    std::string out;
    out.reserve(24);
    if (negative) {
        out += '-';
    }
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (count > 1) {
            out += '.';
            out.append(digits + 1, count - 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const std::size_t whole = std::size_t(exponent) + 1;
        out.append(digits, std::min(count, whole));
        if (count < whole) {
            out.append(whole - count, '0');
        } else if (count > whole) {
            out += '.';
            out.append(digits + whole, count - whole);
        }
    } else {
        out += "0.";
        out.append(std::size_t(-exponent - 1), '0');
        out.append(digits, count);
    }
    return out;
}

std::string integerText(std::int64_t value) {
    return std::to_string(value);
}

std::optional<double> readNumber(std::string_view text) {
    text = trimBlanks(text);
    if (const std::optional<double> plain = plainDecimal(text)) {
        return plain;
    }
    if (text.empty() || numberPrefixLength(text) != text.size()) {
        return std::nullopt;
    }
    return convert(text);
}

std::optional<std::int16_t> readInt16(std::string_view text) {
    return readRounded<std::int16_t>(text);
}

std::optional<std::int32_t> readInt32(std::string_view text) {
    return readRounded<std::int32_t>(text);
}

double readLenientNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    const std::size_t length = numberPrefixLength(text);
    if (length == 0) {
        return 0;
    }
    return convert(text.substr(0, length)).value_or(0);
}

} // namespace wepn
