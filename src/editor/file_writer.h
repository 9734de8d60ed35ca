#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

namespace wepn {

/// Writes a whole file: on success the file holds exactly `bytes`; on failure
/// the old file stays as it was and a message saying why is returned. The
/// application gives the window the file layer's one writer.
using FileWriter =
    std::function<std::optional<QString>(const QString& nativePath, std::string_view bytes)>;

} // namespace wepn
