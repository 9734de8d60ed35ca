#pragma once

#include "files/file_identity.h"
#include "files/low_level_file_ops.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

// The steps of a safe save after its checks: writing the new text, giving it
// what the old file carried, and putting it in place only while the target is
// still the file that was checked.
namespace wepn::save_steps {

inline constexpr const char* kChanged = "it was changed by another program since it was read";

std::string systemError(int error);

// Gives the new file `fd` the owner, group and mode of the file it replaces.
void keepOwnerAndMode(int fd, const struct stat& old);

// Writes all of `bytes` to `fd`; 0 or the errno.
int writeAll(LowLevelFileOps& ops, int fd, std::string_view bytes);

// Rewrites `target` where it is (its other names keep seeing it); the reason
// it could not, or nothing.
std::optional<std::string> copyInPlace(LowLevelFileOps& ops, const std::string& target,
                                       std::string_view bytes, const FileStamp& expected);

// Puts `temp` in the place of `target`, which must still be the checked file
// (or, with no stamp, must not exist); the reason it could not, or nothing.
std::optional<std::string> commitByRename(LowLevelFileOps& ops, const std::string& temp,
                                          const std::string& target,
                                          const std::optional<FileStamp>& expected);

// Copies the extended attributes (an ACL among them) of `from` to `fd`.
void keepAttributes(const std::string& from, int fd);

// Whether the file may not be written by this process.
bool readOnly(const std::string& path, const struct stat& st);

// The test seam that pauses a save between its checks and its commit.
void pauseBeforeCommit(const std::string& target);

} // namespace wepn::save_steps
