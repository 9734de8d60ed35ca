#include "files/directory_sync_batch.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace wepn {

namespace {

thread_local DirectorySyncBatch* t_batch = nullptr;

} // namespace

void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    ::fsync(fd);
    ::close(fd);
}

DirectorySyncBatch::DirectorySyncBatch() : m_outer(t_batch) {
    t_batch = this;
}

DirectorySyncBatch::~DirectorySyncBatch() {
    t_batch = m_outer;
    for (const std::string& dir : m_folders) {
        syncOrDefer(dir);
    }
}

void DirectorySyncBatch::syncOrDefer(const std::string& dir) {
    if (!t_batch) {
        syncDirectory(dir);
        return;
    }
    // Saves of a batch mostly share one folder or a few: the last one first.
    std::vector<std::string>& folders = t_batch->m_folders;
    if (std::find(folders.rbegin(), folders.rend(), dir) == folders.rend()) {
        folders.push_back(dir);
    }
}

} // namespace wepn
