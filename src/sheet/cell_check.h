#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wepn {

/// What a table column holds, for the checks of its cells.
enum class CellKind {
    Text,    ///< any text
    Number,  ///< a decimal number
    Integer, ///< a whole number
    Other,   ///< a choice, a flag, the path: the edit itself checks it
};

/// A text cell as a table writes it: with a leading "'" when it starts with
/// "=", "+", "-" or "@" (so that no spreadsheet runs it as a formula), or
/// with "'" and one of those or "'" (so that reading it back is lossless).
std::string markedText(std::string_view text);

/// A text cell as read back: the leading "'" that markedText() adds taken off.
std::string unmarkedText(std::string_view cell);

/// Why a cell that differs from the value the table was made with (`before`)
/// may not mean what its author saw, with the fix; nothing when it may be
/// applied. Catches emptied cells, control characters, decimal commas,
/// decimal points read as thousands separators, values rounded as shown,
/// fractions in integer fields, UTF-8 read as Latin-1, and texts a
/// spreadsheet converted into numbers, dates or formula results. Cells are
/// UTF-8.
std::optional<std::string> cellProblem(CellKind kind, std::string_view before,
                                       std::string_view after);

/// Why a cell of a whole-number column is refused: it reads as a fraction,
/// which the field would round. Nothing for any other cell.
std::optional<std::string> fractionProblem(CellKind kind, std::string_view cell);

} // namespace wepn
