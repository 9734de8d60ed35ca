#pragma once

#include <string>
#include <string_view>

namespace wepn {

/// The column that holds each row's fingerprint, after every other.
inline constexpr std::string_view kSourceColumn = "source";

/// A fingerprint of a file's bytes for a table's `source` column: a 64-bit
/// FNV-1a hash in hexadecimal after a word, so that no spreadsheet reads it
/// as a number. It tells an unchanged file from a changed one, nothing more.
std::string fingerprint(std::string_view bytes);

} // namespace wepn
