#include "files/low_level_file_ops.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace wepn {

int LowLevelFileOps::createExclusive(const std::string& path, mode_t mode) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

int LowLevelFileOps::openExisting(const std::string& path) {
    return ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
}

int LowLevelFileOps::truncate(int fd, off_t size) {
    return ::ftruncate(fd, size);
}

ssize_t LowLevelFileOps::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int LowLevelFileOps::fsync(int fd) {
    return ::fsync(fd);
}

int LowLevelFileOps::close(int fd) {
    return ::close(fd);
}

int LowLevelFileOps::rename(const std::string& from, const std::string& to, unsigned flags) {
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags);
}

LowLevelFileOps& LowLevelFileOps::system() {
    static LowLevelFileOps ops;
    return ops;
}

} // namespace wepn
