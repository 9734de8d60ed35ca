#include "cli/failure.h"

namespace wepn {

void printFailure(std::ostream& err, std::string_view file, const Failure& failure) {
    err << file;
    if (failure.line != 0) {
        err << ':' << failure.line;
    }
    err << ": error: " << failure.message << '\n';
}

void printToolError(std::ostream& err, std::string_view message) {
    err << "wepn: " << message << '\n';
}

} // namespace wepn
