#include "files/file_io.h"

#include "files/directory_sync_batch.h"
#include "files/path_mapping.h"
#include "files/save_interruption.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
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

// A file with several hard links is rewritten where it is, so every name
// keeps seeing it. The old text is read first and put back if the copy stops
// part-way. Returns 0 or the reason the new text could not be put in place.
int copyIntoLinkedFile(LowLevelFileOps& ops, const std::string& target, std::string_view bytes) {
    const int fd = ops.openExisting(target);
    if (fd < 0) {
        return errno;
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
    return error;
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
                                              std::string& bytes) {
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
        ::close(fd);
        return error;
    } catch (const std::bad_alloc&) {
        return systemError(ENOMEM);
    }
}

std::optional<std::string> writeFileSafely(std::string_view path, std::string_view bytes,
                                           LowLevelFileOps& ops) {
    try {
        return writeNativeFileSafely(toNativePath(path), bytes, ops);
    } catch (const std::bad_alloc&) {
        return cannotWrite(std::string(path), systemError(ENOMEM));
    }
}

std::optional<std::string> writeNativeFileSafely(const std::string& given, std::string_view bytes,
                                                 LowLevelFileOps& ops) {
    try {
        SaveTarget target;
        if (std::optional<std::string> error = resolveSaveTarget(given, target)) {
            return error;
        }
        const auto cannot = [&](int error) { return cannotWrite(given, systemError(error)); };
        if (target.exists && !S_ISREG(target.st.st_mode)) {
            return "'" + given + "' is not a regular file";
        }
        // Renaming would replace a read-only file; refuse it as opening it would.
        if (target.exists && ::access(target.path.c_str(), W_OK) != 0) {
            return cannot(errno);
        }

        // The whole new text goes to a temporary file beside the target first.
        const std::string dir = directoryOf(target.path);
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

        const detail::UninterruptedStep commit;
        if (!commit.ok()) {
            return fail(EINTR, false);
        }
        if (target.exists && target.st.st_nlink > 1) {
            const int error = copyIntoLinkedFile(ops, target.path, bytes);
            ::unlink(temp.c_str());
            return error != 0 ? cannot(error) : std::optional<std::string>();
        }
        if (ops.rename(temp, target.path) != 0) {
            return fail(errno, false);
        }
        DirectorySyncBatch::syncOrDefer(dir);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return cannotWrite(given, systemError(ENOMEM));
    }
}

} // namespace wepn
