#include "files/file_io.h"

#include "files/directory_sync_batch.h"
#include "files/path_mapping.h"
#include "files/save_interruption.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace wepn {

namespace {

std::string systemError(int error) {
    return std::strerror(error);
}

std::string tooLarge(std::size_t maxBytes) {
    return "the file is larger than " + std::to_string(maxBytes) + " bytes";
}

std::optional<std::string> checkReadable(const struct stat& st, std::size_t maxBytes) {
    if (S_ISDIR(st.st_mode)) {
        return std::string("is a directory");
    }
    if (!S_ISREG(st.st_mode)) {
        return std::string("is not an ordinary file");
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        return tooLarge(maxBytes);
    }
    return std::nullopt;
}

std::string cannotWrite(const std::string& path, const std::string& reason) {
    return "cannot write '" + path + "': " + reason;
}

ReadResult failedRead(std::string reason) {
    return ReadResult{{}, std::move(reason)};
}

// A name no other save (in this or another process) is using at the moment.
std::string temporaryName(const std::string& dir) {
    static std::atomic<unsigned> counter{0};
    static const std::string process = std::to_string(::getpid());
    return dir + ".wepn-save-" + process + '-' + std::to_string(counter++);
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

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a save writes to: symbolic links followed to the end of the chain.
struct SaveTarget {
    std::string path;
    bool exists = false;
    struct stat st {};
};

constexpr int kMaxLinkHops = 40;

// Fills `target` for the path a save was given, or says why it cannot be written.
std::optional<std::string> resolveSaveTarget(const std::string& given, SaveTarget& target) {
    const auto cannot = [&](const std::string& reason) { return cannotWrite(given, reason); };
    target.path = given;
    for (int hops = 0; hops <= kMaxLinkHops; ++hops) {
        if (::lstat(target.path.c_str(), &target.st) != 0) {
            if (errno != ENOENT) {
                return cannot(systemError(errno));
            }
            struct stat dir {};
            const std::string folder = directoryOf(target.path);
            if (hops > 0 && (::stat(folder.empty() ? "." : folder.c_str(), &dir) != 0 ||
                             !S_ISDIR(dir.st_mode))) {
                return cannot("it is a link to '" + target.path + "', whose folder does not exist");
            }
            return std::nullopt; // a new file; a missing folder fails when it is created
        }
        if (!S_ISLNK(target.st.st_mode)) {
            target.exists = true;
            return std::nullopt;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(target.path.c_str(), link.data(), link.size());
        if (length < 0) {
            return cannot(systemError(errno));
        }
        link.resize(static_cast<std::size_t>(length));
        target.path = link.starts_with('/') ? link : directoryOf(target.path) + link;
    }
    return cannot(systemError(ELOOP));
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
int overwrite(LowLevelFileOps& ops, int fd, std::string_view bytes) {
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
int readRest(int fd, std::string& bytes) {
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

constexpr const char* kChanged = "it was changed by another program since it was read";

// The file a save checked, as it must still be when the save commits.
bool unchanged(const struct stat& now, const FileStamp& expected) {
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

} // namespace

ReadResult readFileBytes(std::string_view path, std::size_t maxBytes) {
    try {
        return readNativeFileBytes(toNativePath(path), maxBytes);
    } catch (const std::bad_alloc&) {
        return failedRead(systemError(ENOMEM));
    }
}

ReadResult readNativeFileBytes(const std::string& native, std::size_t maxBytes) {
    ReadResult result;
    result.error = readNativeFileInto(native, maxBytes, result.bytes);
    return result;
}

std::optional<std::string> readNativeFileInto(const std::string& native, std::size_t maxBytes,
                                              std::string& bytes, FileStamp* stamp) {
    bytes.clear();
    try {
        // Non-blocking, so opening a pipe cannot hang; what was opened is
        // checked before anything is read.
        const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            return systemError(errno);
        }
        std::optional<std::string> error;
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            error = systemError(errno);
        } else {
            error = checkReadable(st, maxBytes);
        }
        std::size_t filled = 0;
        if (!error) {
            // Read straight into the buffer, which keeps its capacity from one
            // file to the next; one byte more than the size shows a file that
            // grew meanwhile, which is read on up to the limit. A read that
            // ends at the size, short of that byte, met the end of the file:
            // no read is needed to be told so.
            bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
            for (;;) {
                if (filled == bytes.size()) {
                    bytes.resize(std::min(maxBytes + 1, bytes.size() * 2));
                }
                const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n < 0) {
                    error = systemError(errno);
                    break;
                }
                if (n == 0) {
                    break;
                }
                filled += static_cast<std::size_t>(n);
                if (filled > maxBytes) {
                    error = tooLarge(maxBytes);
                    break;
                }
                if (filled == static_cast<std::size_t>(st.st_size) && filled < bytes.size()) {
                    break;
                }
            }
        }
        bytes.resize(error ? 0 : filled);
        if (stamp != nullptr) {
            *stamp = fileStamp(st);
        }
        ::close(fd);
        return error;
    } catch (const std::bad_alloc&) {
        return systemError(ENOMEM);
    }
}

std::optional<std::string> writeFileSafely(std::string_view path, std::string_view bytes,
                                           LowLevelFileOps& ops) {
    return writeFileSafely(path, bytes, SaveConditions{}, ops);
}

std::optional<std::string> writeFileSafely(std::string_view path, std::string_view bytes,
                                           const SaveConditions& conditions, LowLevelFileOps& ops) {
    try {
        return writeNativeFileSafely(toNativePath(path), bytes, ops, conditions);
    } catch (const std::bad_alloc&) {
        return cannotWrite(std::string(path), systemError(ENOMEM));
    }
}

std::optional<std::string> writeNativeFileSafely(const std::string& given, std::string_view bytes,
                                                 LowLevelFileOps& ops,
                                                 const SaveConditions& conditions) {
    try {
        SaveTarget target;
        if (std::optional<std::string> error = resolveSaveTarget(given, target)) {
            return error;
        }
        const auto cannot = [&](int error) { return cannotWrite(given, systemError(error)); };
        const std::string dir = directoryOf(target.path);
        const std::string folder = dir.empty()       ? "."
                                   : dir.size() == 1 ? dir
                                                     : dir.substr(0, dir.size() - 1);
        // What is there now, looked at without following a link or opening
        // it, is the file every later step must still find.
        std::optional<FileStamp> checked;
        if (target.exists) {
            if (!S_ISREG(target.st.st_mode)) {
                return "'" + given + "' is not a regular file";
            }
            if (conditions.readAs && !(fileStamp(target.st) == *conditions.readAs)) {
                return cannotWrite(given, kChanged);
            }
            if (!conditions.force && readOnly(target.path, target.st)) {
                return "'" + given + "' is read-only";
            }
            checked = fileStamp(target.st);
        }
        if (::access(folder.c_str(), W_OK) != 0) {
            if (errno != EACCES) {
                return cannot(errno);
            }
            if (!target.exists || ::access(target.path.c_str(), W_OK) != 0) {
                return cannotWrite(given, "the folder '" + folder + "' is not writable");
            }
            // The file itself can be written: rewrite it where it is.
            pauseBeforeCommit(target.path);
            const detail::UninterruptedStep commit;
            if (!commit.ok()) {
                return cannot(EINTR);
            }
            if (std::optional<std::string> error = copyInPlace(ops, target.path, bytes, *checked)) {
                return cannotWrite(given, *error);
            }
            detail::noteCommitted();
            return std::nullopt;
        }

        // The whole new text goes to a temporary file beside the target first.
        std::string temp;
        std::optional<detail::TemporaryFileRegistration> registration;
        int fd = -1;
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temp = temporaryName(dir);
            registration.emplace(temp);
            if (!registration->ok()) {
                return cannot(EAGAIN);
            }
            const detail::UninterruptedStep creating;
            if (!creating.ok()) {
                return cannot(EINTR);
            }
            fd = ops.createExclusive(temp, 0666);
            if (fd < 0 && errno != EEXIST) {
                return cannot(errno);
            }
        }
        if (fd < 0) {
            return cannot(EEXIST);
        }
        const auto fail = [&](int error, bool closeFile) -> std::optional<std::string> {
            if (closeFile) {
                ops.close(fd);
            }
            ::unlink(temp.c_str());
            return cannot(error);
        };
        if (target.exists) {
            keepOwnerAndMode(fd, target.st);
            keepAttributes(target.path, fd);
        }
        if (const int error = writeAll(ops, fd, bytes)) {
            return fail(error, true);
        }
        if (ops.fsync(fd) != 0) {
            return fail(errno, true);
        }
        if (ops.close(fd) != 0) {
            return fail(errno, false);
        }

        pauseBeforeCommit(target.path);
        const detail::UninterruptedStep commit;
        if (!commit.ok()) {
            return fail(EINTR, false);
        }
        std::optional<std::string> error;
        if (target.exists && target.st.st_nlink > 1) {
            error = copyInPlace(ops, target.path, bytes, *checked);
            ::unlink(temp.c_str());
        } else {
            error = commitByRename(ops, temp, target.path, checked);
            if (error) {
                ::unlink(temp.c_str());
            }
        }
        if (error) {
            return cannotWrite(given, *error);
        }
        detail::noteCommitted();
        DirectorySyncBatch::syncOrDefer(dir);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return cannotWrite(given, systemError(ENOMEM));
    }
}

} // namespace wepn
