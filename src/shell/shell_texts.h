#pragma once

#include "shell/path_text.h"

#include <QString>
#include <string>

namespace wepn {

// A message naming a native path: `message` holds "%1" where the path goes.
inline QString quoted(const char* message, const std::string& path) {
    return QString::fromLatin1(message).arg(displayText(path));
}

// `text` with the reason a file operation gave on a line of its own.
inline QString withReason(const QString& text, const std::string& reason) {
    return text + QLatin1Char('\n') + displayText(reason);
}

} // namespace wepn
