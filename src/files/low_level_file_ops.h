#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace wepn {

/// The system calls an atomic write is made of. Each behaves like its POSIX
/// namesake (failure: -1 with errno set). Tests derive from it to make a
/// write fail part-way.
class LowLevelFileOps {
  public:
    virtual ~LowLevelFileOps() = default;

    /// Creates a new file that must not exist yet; returns its descriptor.
    virtual int createExclusive(const std::string& path, mode_t mode);
    /// Opens an existing file for reading and writing in place; never a
    /// symbolic link, and without waiting on a FIFO or device.
    virtual int openExisting(const std::string& path);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    /// ftruncate.
    virtual int truncate(int fd, off_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    /// renameat2: `flags` 0, RENAME_NOREPLACE or RENAME_EXCHANGE.
    virtual int rename(const std::string& from, const std::string& to, unsigned flags);

    /// The operations as the system provides them.
    static LowLevelFileOps& system();
};

} // namespace wepn
