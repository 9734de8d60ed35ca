#include "files/file_identity.h"

#include "files/path_mapping.h"

#include <sys/stat.h>

namespace wepn {

FileStamp fileStamp(const struct stat& st) {
    return FileStamp{{st.st_dev, st.st_ino}, st.st_size, st.st_mtim};
}

std::optional<FileStamp> fileStampOf(std::string_view path) {
    struct stat st {};
    if (::stat(toNativePath(path).c_str(), &st) != 0) {
        return std::nullopt;
    }
    return fileStamp(st);
}

std::optional<FileIdentity> fileIdentity(std::string_view path) {
    const std::optional<FileStamp> stamp = fileStampOf(path);
    return stamp ? std::optional<FileIdentity>(stamp->identity) : std::nullopt;
}

} // namespace wepn
