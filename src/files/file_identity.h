#pragma once

#include <ctime>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

namespace wepn {

/// What makes a file itself, however its path is spelled: its device and
/// inode, found through symbolic links.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FileIdentity&) const = default;
};

/// A file as it was when it was read: which file, its size and its
/// modification time. Another program's save changes one of them.
struct FileStamp {
    FileIdentity identity;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileStamp& other) const {
        return identity == other.identity && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

/// The stamp of a file from its status.
FileStamp fileStamp(const struct stat& st);

/// The stamp of the file at `path` (Windows form or native), through symbolic
/// links; nothing when it cannot be found.
std::optional<FileStamp> fileStampOf(std::string_view path);

/// The identity of the file at `path` (Windows form or native); nothing when
/// it cannot be found.
std::optional<FileIdentity> fileIdentity(std::string_view path);

} // namespace wepn
