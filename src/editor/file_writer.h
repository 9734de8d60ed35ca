#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

namespace wepn {

/// Writes a whole file: on success the file holds exactly `bytes`; on failure
/// the old file stays as it was and the reason is returned.
using FileWriter =
    std::function<std::optional<QString>(const QString& nativePath, std::string_view bytes)>;

/// The writer the window uses unless the application sets another: a
/// temporary file beside the target, renamed over it when complete.
std::optional<QString> writeFileReplacing(const QString& nativePath, std::string_view bytes);

} // namespace wepn
