#include "sheet/cell_check.h"

#include "model/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace wepn {
namespace {

constexpr std::string_view kFormulaStarts = "=+-@";
constexpr std::string_view kXlsxFix = "or use --format xlsx";

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The code points of UTF-8 text; nothing when it is not UTF-8.
std::optional<std::vector<std::uint32_t>> codePoints(std::string_view text) {
    std::vector<std::uint32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80    ? 1
                           : byte >= 0xF0 ? 4
                           : byte >= 0xE0 ? 3
                           : byte >= 0xC2 ? 2
                                          : 0;
        if (length == 0 || i + length > text.size()) {
            return std::nullopt;
        }
        std::uint32_t point = length == 1 ? byte : byte & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            point = (point << 6) | (next & 0x3F);
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

// The text UTF-8 would give when the cell is UTF-8 that was read as Latin-1:
// nothing unless its characters are Latin-1 whose bytes form UTF-8 beyond ASCII.
std::optional<std::string> misreadUtf8(std::string_view cell) {
    const auto points = codePoints(cell);
    if (!points) {
        return std::nullopt;
    }
    std::string bytes;
    bool beyondAscii = false;
    for (const std::uint32_t point : *points) {
        if (point > 0xFF) {
            return std::nullopt;
        }
        beyondAscii = beyondAscii || point >= 0x80;
        bytes += static_cast<char>(point);
    }
    if (!beyondAscii || !codePoints(bytes)) {
        return std::nullopt;
    }
    return bytes;
}

// Digits after the decimal point of plain decimal text; nothing with an exponent.
std::optional<int> decimals(std::string_view text) {
    if (text.find_first_of("eE") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// The digits of a number text without sign, point and leading zeros.
std::string bareDigits(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (isDigit(c) && !(digits.empty() && c == '0')) {
            digits += c;
        }
    }
    return digits;
}

bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

// "1,5" or "-0,25": a number written with a decimal comma.
bool hasDecimalComma(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) {
        return false;
    }
    std::string dotted(text);
    dotted[comma] = '.';
    return readNumber(dotted).has_value();
}

// "3/4", "2024-03-04", "4.3.": texts a spreadsheet takes for dates.
bool looksLikeDate(std::string_view text) {
    int groups = 0;
    bool inGroup = false;
    for (const char c : text) {
        if (isDigit(c)) {
            groups += inGroup ? 0 : 1;
            inGroup = true;
        } else if (c == '/' || c == '-' || c == '.') {
            inGroup = false;
        } else {
            return false;
        }
    }
    return groups >= 2 && text.find_first_of("/-") != std::string_view::npos;
}

std::optional<std::string> numberProblem(CellKind kind, std::string_view before,
                                         std::string_view after) {
    const std::optional<double> was = readNumber(before);
    const std::optional<double> now = readNumber(after);
    if (!now) {
        if (hasDecimalComma(after)) {
            return quoted(after) +
                   " has a decimal comma; import the table with English number "
                   "format (decimal point) " +
                   std::string(kXlsxFix);
        }
        return std::nullopt; // the edit names what is wrong
    }
    // A point before three digits is a thousands separator in many languages.
    if (was && before.find('.') != std::string_view::npos && !nearlyEqual(*was, *now) &&
        ((decimals(before) == 3 && bareDigits(before) == bareDigits(after)) ||
         nearlyEqual(*was * 1000, *now))) {
        return "looks like " + std::string(before) + " read as " + std::string(after) +
               "; import the table with English number format " + std::string(kXlsxFix);
    }
    const std::optional<int> wasDecimals = decimals(before);
    const std::optional<int> nowDecimals = decimals(after);
    // Rounding to whole numbers is left alone: it is a common edit.
    if (was && wasDecimals && nowDecimals && *nowDecimals > 0 && *nowDecimals < *wasDecimals) {
        const double scale = std::pow(10.0, *nowDecimals);
        if (nearlyEqual(std::round(*was * scale) / scale, *now) ||
            nearlyEqual(std::nearbyint(*was * scale) / scale, *now)) {
            return "looks like " + std::string(before) +
                   " rounded as the spreadsheet shows it; "
                   "save the cells' values as stored, not as shown, " +
                   std::string(kXlsxFix) + " (to set " + std::string(after) +
                   " on purpose, use wepn set)";
        }
    }
    return fractionProblem(kind, after);
}

std::optional<std::string> textProblem(std::string_view before, std::string_view after) {
    if (const std::optional<std::string> meant = misreadUtf8(after)) {
        return quoted(after) + " looks like UTF-8 text read as Latin-1 (" + quoted(*meant) +
               "); open the table as UTF-8 " + std::string(kXlsxFix);
    }
    const std::optional<double> was = readNumber(before);
    const std::optional<double> now = readNumber(after);
    const bool numberRewritten = was && now && *was == *now;
    // A formula's result may be a negative number, but never starts with "=", "+" or "@".
    const bool formulaRun = !before.empty() &&
                            kFormulaStarts.find(before[0]) != std::string_view::npos &&
                            !after.starts_with(before[0]) &&
                            std::string_view("=+@").find(after[0]) == std::string_view::npos;
    const bool dateRead = looksLikeDate(before);
    if (numberRewritten || formulaRun || dateRead) {
        return "looks like the text " + quoted(before) + " converted by a spreadsheet into " +
               quoted(after) + "; import the column as text " + std::string(kXlsxFix);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> fractionProblem(CellKind kind, std::string_view cell) {
    const std::optional<double> number = readNumber(cell);
    if (kind == CellKind::Integer && number && *number != std::floor(*number)) {
        return quoted(cell) + " is a fraction; the field takes whole numbers";
    }
    return std::nullopt;
}

std::string markedText(std::string_view text) {
    const bool mark = !text.empty() && (kFormulaStarts.find(text[0]) != std::string_view::npos ||
                                        unmarkedText(text) != text);
    return mark ? "'" + std::string(text) : std::string(text);
}

std::string unmarkedText(std::string_view cell) {
    const bool marked = cell.size() > 1 && cell[0] == '\'' &&
                        (cell[1] == '\'' || kFormulaStarts.find(cell[1]) != std::string_view::npos);
    return std::string(marked ? cell.substr(1) : cell);
}

std::optional<std::string> cellProblem(CellKind kind, std::string_view before,
                                       std::string_view after) {
    if (after.empty() && !before.empty()) {
        return "the cell is empty, and held " + quoted(before) +
               " when the table was made; write the value it should have";
    }
    for (const char c : after) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", byte);
            return std::string("the cell holds the control character ") + code +
                   ", which no weapon text can hold; remove it";
        }
    }
    if (kind == CellKind::Text) {
        return textProblem(before, after);
    }
    if (kind == CellKind::Number || kind == CellKind::Integer) {
        return numberProblem(kind, before, after);
    }
    return std::nullopt;
}

} // namespace wepn
