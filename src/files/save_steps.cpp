#include "files/save_steps.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace wepn::save_steps {

std::string systemError(int error) {
    return std::strerror(error);
}

// Gives the new file `fd` the owner, group and mode of the file it replaces.
// Each is changed only where it differs: a change of an inode costs a
// journal write.
void keepOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        now.st_uid = static_cast<uid_t>(-1);
    }
    // Owner first: changing it clears the set-id bits the mode restores.
    // Only a privileged process may give a file away; others keep theirs.
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Not permitted: the new file stays the caller's own.
        }
        now.st_mode = static_cast<mode_t>(-1);
    }
    if ((now.st_mode & 07777) != (old.st_mode & 07777)) {
        ::fchmod(fd, old.st_mode & 07777);
    }
}

int writeAll(LowLevelFileOps& ops, int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ops.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            return EIO; // no progress and no reason given
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

// Replaces the contents of an open file from its start: write, cut, sync.
static int overwrite(LowLevelFileOps& ops, int fd, std::string_view bytes) {
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        return errno;
    }
    if (const int error = writeAll(ops, fd, bytes)) {
        return error;
    }
    if (ops.truncate(fd, static_cast<off_t>(bytes.size())) != 0 || ops.fsync(fd) != 0) {
        return errno;
    }
    return 0;
}

// Reads from the file's current position to its end; 0 or the reason.
static int readRest(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            return 0;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// The file a save checked, as it must still be when the save commits.
static bool unchanged(const struct stat& now, const FileStamp& expected) {
    return S_ISREG(now.st_mode) && fileStamp(now) == expected;
}

// A file rewritten where it is (several hard links, or a folder that takes
// no new file) keeps every name seeing it. It is opened without following a
// link or waiting on a FIFO, and must still be the checked file. The old text
// is read first and put back if the copy stops part-way. Returns the reason
// the new text could not be put in place.
std::optional<std::string> copyInPlace(LowLevelFileOps& ops, const std::string& target,
                                       std::string_view bytes, const FileStamp& expected) {
    const int fd = ops.openExisting(target);
    if (fd < 0) {
        // A link or a special file in its place: not the file checked.
        return errno == ELOOP || errno == ENXIO ? kChanged : systemError(errno);
    }
    struct stat now {};
    if (::fstat(fd, &now) != 0 || !unchanged(now, expected)) {
        ops.close(fd);
        return std::string(kChanged);
    }
    std::string old;
    const int readError = readRest(fd, old);
    int error = readError != 0 ? readError : overwrite(ops, fd, bytes);
    if (error != 0 && readError == 0) {
        overwrite(LowLevelFileOps::system(), fd, old);
    }
    if (ops.close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error != 0 ? std::optional<std::string>(systemError(error)) : std::nullopt;
}

// Replaces `target` by `temp`. An existing target is exchanged with the
// temporary file, and what comes out must be the checked file, unchanged:
// otherwise the exchange is undone and another program's file stays. A new
// target must still not exist. Where the file system cannot exchange names,
// the check comes just before a plain rename.
std::optional<std::string> commitByRename(LowLevelFileOps& ops, const std::string& temp,
                                          const std::string& target,
                                          const std::optional<FileStamp>& expected) {
    struct stat now {};
    const unsigned flags = expected ? RENAME_EXCHANGE : RENAME_NOREPLACE;
    if (ops.rename(temp, target, flags) == 0) {
        if (expected && (::lstat(temp.c_str(), &now) != 0 || !unchanged(now, *expected))) {
            ops.rename(temp, target, RENAME_EXCHANGE);
            return std::string(kChanged);
        }
        ::unlink(temp.c_str()); // the old file, when exchanged
        return std::nullopt;
    }
    if (errno == EEXIST) {
        return std::string(kChanged);
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return systemError(errno);
    }
    const bool there = ::lstat(target.c_str(), &now) == 0;
    if (expected ? !there || !unchanged(now, *expected) : there) {
        return std::string(kChanged);
    }
    if (ops.rename(temp, target, 0) != 0) {
        return systemError(errno);
    }
    return std::nullopt;
}

// Copies the extended attributes (an ACL among them) of the file at `from`
// to the new file `fd`, where the file system and the process's rights allow.
void keepAttributes(const std::string& from, int fd) {
    std::string names(1024, '\0');
    ssize_t length;
    while ((length = ::llistxattr(from.c_str(), names.data(), names.size())) < 0 &&
           errno == ERANGE) {
        names.resize(names.size() * 4);
    }
    std::string value;
    for (std::size_t at = 0; length > 0 && at < static_cast<std::size_t>(length);
         at = names.find('\0', at) + 1) {
        const char* name = names.c_str() + at;
        const ssize_t size = ::lgetxattr(from.c_str(), name, nullptr, 0);
        if (size < 0) {
            continue;
        }
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::lgetxattr(from.c_str(), name, value.data(), value.size());
        if (got >= 0) {
            ::fsetxattr(fd, name, value.data(), static_cast<std::size_t>(got), 0);
        }
    }
}

// Whether the file may not be written: without write permission for this
// process, or for root without any write permission at all.
bool readOnly(const std::string& path, const struct stat& st) {
    if (::geteuid() == 0) {
        return (st.st_mode & 0222) == 0;
    }
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

// A seam for tests of races: with WEPN_SAVE_PAUSE naming a FIFO, each save
// stops between its checks and its commit: it writes the target's path and a
// line feed to the FIFO, then waits until it can read the FIFO to its end.
void pauseBeforeCommit(const std::string& target) {
    static const char* const fifo = std::getenv("WEPN_SAVE_PAUSE");
    if (fifo == nullptr) {
        return;
    }
    const std::string line = target + '\n';
    int fd = ::open(fifo, O_WRONLY | O_CLOEXEC);
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
        ::close(fd);
    }
    fd = ::open(fifo, O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        std::string ignored;
        readRest(fd, ignored);
        ::close(fd);
    }
}

} // namespace wepn::save_steps
