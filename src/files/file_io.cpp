#include "files/file_io.h"

#include "files/directory_sync_batch.h"
#include "files/path_mapping.h"
#include "files/save_interruption.h"
#include "files/save_steps.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace wepn {

using namespace save_steps;

namespace {

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
