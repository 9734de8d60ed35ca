#pragma once

#include "text/latin1_case.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// Splits 8-bit text into lines: CR LF, a lone CR and a lone LF each end a
/// line; the end of the text ends the last line. "" gives no lines.
std::vector<std::string_view> splitLines(std::string_view text);

/// Letter case is ignored for ASCII and Latin-1 letters.
using latin1::containsIgnoringCase;
using latin1::equalsIgnoringCase;
std::string toLowerLatin1(std::string_view text);
/// The same into a buffer that is reused between calls.
void toLowerLatin1(std::string_view text, std::string& lower);

/// Part k of the text split at every comma (empty parts count), if it exists.
std::optional<std::string_view> commaToken(std::string_view text, std::size_t k);
/// Part k of the text split at every double quote, if it exists.
std::optional<std::string_view> quotedPart(std::string_view text, std::size_t k);
/// The text before its first ")" (all of it when there is none).
std::string_view head(std::string_view text);
/// The text with every "{", "}", ",", ")", space and tab removed: a view of
/// `text` when only its ends hold them, else of `scratch`, which it fills.
std::string_view cleanToken(std::string_view text, std::string& scratch);

/// A list row's fields: the row cut at every " - ".
std::vector<std::string_view> rowFields(std::string_view row);

/// Text for quoting in a message, shortened when long.
std::string excerpt(std::string_view text);

} // namespace wepn
