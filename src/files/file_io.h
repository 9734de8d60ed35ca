#pragma once

#include "files/low_level_file_ops.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wepn {

/// The bytes of a file, or why they could not be read.
struct ReadResult {
    std::string bytes;                ///< the whole file when `error` is empty
    std::optional<std::string> error; ///< the reason, e.g. the system's error text

    bool ok() const { return !error; }
};

/// Reads a whole file (path in the program's Windows form). Fails with the
/// system's error text, "is a directory", "is not an ordinary file" or
/// "is larger than N bytes"; the size is checked before anything is read.
ReadResult readFileBytes(std::string_view path, std::size_t maxBytes);
/// readFileBytes of a path already in the native form, used as it is.
ReadResult readNativeFileBytes(const std::string& nativePath, std::size_t maxBytes);

/// Replaces the file at `path` (Windows form) with `bytes`, all or nothing: the
/// bytes go to a new hidden file beside the target, which is flushed to disk
/// and renamed over the target only when complete. On failure the temporary
/// file is removed, the target is untouched, and the system's error text is
/// returned. An existing target keeps its permission bits.
std::optional<std::string> writeFileAtomically(std::string_view path, std::string_view bytes,
                                               LowLevelFileOps& ops = LowLevelFileOps::system());
/// writeFileAtomically to a path already in the native form, used as it is.
std::optional<std::string>
writeNativeFileAtomically(const std::string& nativePath, std::string_view bytes,
                          LowLevelFileOps& ops = LowLevelFileOps::system());

} // namespace wepn
