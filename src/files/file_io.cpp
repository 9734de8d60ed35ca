#include "files/file_io.h"

#include "files/path_mapping.h"

#include <atomic>
#include <cerrno>
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
    return "is larger than " + std::to_string(maxBytes) + " bytes";
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

ReadResult failedRead(std::string reason) {
    return ReadResult{{}, std::move(reason)};
}

// A name no other save (in this or another process) is using at the moment.
std::string temporaryName(const std::string& dir) {
    static std::atomic<unsigned> counter{0};
    return dir + ".wepn-save-" + std::to_string(::getpid()) + '-' + std::to_string(counter++);
}

void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    ::fsync(fd); // best effort: the data itself is already on disk
    ::close(fd);
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
    try {
        // Non-blocking, so opening a pipe cannot hang; what was opened is
        // checked before anything is read.
        const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            return failedRead(systemError(errno));
        }
        ReadResult result;
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            result.error = systemError(errno);
        } else {
            result.error = checkReadable(st, maxBytes);
        }
        if (!result.error) {
            // Read straight into the result; one byte more than the size shows
            // a file that grew meanwhile, which is read on up to the limit.
            std::size_t filled = 0;
            result.bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
            for (;;) {
                if (filled == result.bytes.size()) {
                    result.bytes.resize(std::min(maxBytes + 1, result.bytes.size() * 2));
                }
                const ssize_t n =
                    ::read(fd, result.bytes.data() + filled, result.bytes.size() - filled);
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n < 0) {
                    result.error = systemError(errno);
                    break;
                }
                if (n == 0) {
                    break;
                }
                filled += static_cast<std::size_t>(n);
                if (filled > maxBytes) {
                    result.error = tooLarge(maxBytes);
                    break;
                }
            }
            result.bytes.resize(filled);
        }
        ::close(fd);
        if (result.error) {
            result.bytes.clear();
        }
        return result;
    } catch (const std::bad_alloc&) {
        return failedRead(systemError(ENOMEM));
    }
}

std::optional<std::string> writeFileAtomically(std::string_view path, std::string_view bytes,
                                               LowLevelFileOps& ops) {
    try {
        return writeNativeFileAtomically(toNativePath(path), bytes, ops);
    } catch (const std::bad_alloc&) {
        return systemError(ENOMEM);
    }
}

std::optional<std::string> writeNativeFileAtomically(const std::string& nativePath,
                                                     std::string_view bytes, LowLevelFileOps& ops) {
    try {
        std::string target = nativePath;
        // Saving through a symbolic link replaces the file it points to; a
        // rename over the link itself would turn it into an unlinked copy.
        struct stat entry {};
        if (::lstat(target.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode)) {
            const std::unique_ptr<char, decltype(&std::free)> real(
                ::realpath(target.c_str(), nullptr), &std::free);
            if (real != nullptr) {
                target = real.get();
            }
        }
        const std::size_t slash = target.rfind('/');
        const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
        if (slash + 1 == target.size()) {
            return systemError(target.empty() ? ENOENT : EISDIR);
        }

        // Renaming would replace a read-only file; refuse it as opening it would.
        if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
            return systemError(errno);
        }

        std::string temp;
        int fd = -1;
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temp = temporaryName(dir);
            fd = ops.createExclusive(temp, 0666);
            if (fd < 0 && errno != EEXIST) {
                return systemError(errno);
            }
        }
        if (fd < 0) {
            return systemError(EEXIST);
        }

        auto fail = [&](int error, bool closeFile) -> std::optional<std::string> {
            if (closeFile) {
                ops.close(fd);
            }
            ::unlink(temp.c_str());
            return systemError(error);
        };

        struct stat st {};
        if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            ::fchmod(fd, st.st_mode & 07777);
        }

        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t n = ops.write(fd, bytes.data() + written, bytes.size() - written);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                return fail(errno, true);
            }
            if (n == 0) {
                return fail(EIO, true); // no progress and no reason given
            }
            written += static_cast<std::size_t>(n);
        }
        if (ops.fsync(fd) != 0) {
            return fail(errno, true);
        }
        if (ops.close(fd) != 0) {
            return fail(errno, false);
        }
        if (ops.rename(temp, target) != 0) {
            return fail(errno, false);
        }
        syncDirectory(dir);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return systemError(ENOMEM);
    }
}

} // namespace wepn
