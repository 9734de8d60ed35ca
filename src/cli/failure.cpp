#include "cli/failure.h"

#include <algorithm>

namespace wepn {

std::string shownName(std::string_view file) {
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    if (std::none_of(file.begin(), file.end(), control) && !file.starts_with("$'")) {
        return std::string(file);
    }
    std::string shown = "$'";
    for (const char c : file) {
        switch (c) {
        case '\n':
            shown += "\\n";
            break;
        case '\t':
            shown += "\\t";
            break;
        case '\r':
            shown += "\\r";
            break;
        case '\\':
        case '\'':
            shown += '\\';
            shown += c;
            break;
        default:
            if (control(c)) {
                static constexpr char kHex[] = "0123456789abcdef";
                shown += "\\x";
                shown += kHex[(c >> 4) & 0xF];
                shown += kHex[c & 0xF];
            } else {
                shown += c;
            }
        }
    }
    return shown + "'";
}

void printFailure(std::ostream& err, std::string_view file, const Failure& failure) {
    err << shownName(file);
    if (failure.line != 0) {
        err << ':' << failure.line;
    }
    err << ": error: " << failure.message << '\n';
}

void printToolError(std::ostream& err, std::string_view message) {
    err << "wepn: " << message << '\n';
}

} // namespace wepn
