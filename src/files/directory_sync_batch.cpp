#include "files/directory_sync_batch.h"

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

DirectorySyncBatch::Joined::Joined(DirectorySyncBatch& batch) : m_outer(t_batch) {
    t_batch = &batch;
}

DirectorySyncBatch::Joined::~Joined() {
    t_batch = m_outer;
}

void DirectorySyncBatch::syncOrDefer(const std::string& dir) {
    if (!t_batch) {
        syncDirectory(dir);
        return;
    }
    const std::lock_guard lock(t_batch->m_mutex);
    t_batch->m_folders.insert(dir);
}

} // namespace wepn
