#pragma once

#include "files/file_identity.h"
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
/// "the file is larger than N bytes"; the size is checked before anything is read.
ReadResult readFileBytes(std::string_view path, std::size_t maxBytes);
/// readFileBytes of a path already in the native form, used as it is.
ReadResult readNativeFileBytes(const std::string& nativePath, std::size_t maxBytes);
/// readNativeFileBytes into `bytes`, whose capacity is reused (a caller
/// reading many files keeps one buffer); the reason it failed, or nothing.
/// On failure `bytes` holds no part of the file. `stamp`, when given, receives
/// the file's stamp as it was read.
std::optional<std::string> readNativeFileInto(const std::string& nativePath, std::size_t maxBytes,
                                              std::string& bytes, FileStamp* stamp = nullptr);

/// What a save checks besides the target's kind.
struct SaveConditions {
    /// The file as it was read: the save fails when it has changed since.
    std::optional<FileStamp> readAs;
    /// Replace a file without write permission too.
    bool force = false;
};

/// Saves `bytes` as the file at `path` (Windows form or native), never
/// leaving it half written:
/// - a regular file, or a new one, is replaced atomically: the bytes go to a
///   hidden temporary file beside it, which is synced and renamed over it;
///   its mode, and where the process may set them its owner and group, stay;
///   its extended attributes and ACL are copied where the file system allows;
/// - a regular file with several hard links, or in a folder that is not
///   writable, is rewritten in place (after the temporary copy is complete,
///   where the folder allows one), and its old text is put back if that fails;
/// - a symbolic link is followed to the file it names, which is created when
///   missing (its folder must exist); the link itself stays;
/// - anything else (a directory, FIFO, socket or device) is refused before
///   anything is written;
/// - a file without write permission is refused, even for root, unless
///   `conditions.force`;
/// - the commit checks that the target is still the file that was checked,
///   unchanged (and unchanged since `conditions.readAs`), atomically where
///   the file system can exchange two names; otherwise the save fails and
///   leaves what another program put there.
/// On failure the target is untouched, no temporary file is left, and the
/// result is a message naming the path: "cannot write 'PATH': REASON",
/// "'PATH' is not a regular file" or "'PATH' is read-only".
std::optional<std::string> writeFileSafely(std::string_view path, std::string_view bytes,
                                           LowLevelFileOps& ops = LowLevelFileOps::system());
std::optional<std::string> writeFileSafely(std::string_view path, std::string_view bytes,
                                           const SaveConditions& conditions,
                                           LowLevelFileOps& ops = LowLevelFileOps::system());
/// writeFileSafely to a path already in the native form, used as it is.
std::optional<std::string> writeNativeFileSafely(const std::string& nativePath,
                                                 std::string_view bytes,
                                                 LowLevelFileOps& ops = LowLevelFileOps::system(),
                                                 const SaveConditions& conditions = {});

} // namespace wepn
