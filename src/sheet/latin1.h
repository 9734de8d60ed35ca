#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wepn {

// Weapon texts are Latin-1 bytes; the terminal and JSON want UTF-8. Every
// Latin-1 byte is one code point, so this conversion cannot fail.
std::string latin1ToUtf8(std::string_view text);

// A file name for JSON: its valid UTF-8 sequences as they are, every other
// byte read as Latin-1 (as the window shows such names), so that any name
// gives valid UTF-8.
std::string nameToUtf8(std::string_view name);

// Text typed on the command line, for a file: nothing when the text is not
// UTF-8 or holds a character beyond Latin-1.
std::optional<std::string> utf8ToLatin1(std::string_view text);

} // namespace wepn
