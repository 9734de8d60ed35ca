#pragma once

#include <optional>
#include <string_view>
#include <sys/types.h>

namespace wepn {

/// What makes a file itself, however its path is spelled: its device and
/// inode, found through symbolic links.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FileIdentity&) const = default;
};

/// The identity of the file at `path` (Windows form or native); nothing when
/// it cannot be found.
std::optional<FileIdentity> fileIdentity(std::string_view path);

} // namespace wepn
