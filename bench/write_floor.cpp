// Rewrites every file named on the command line durably, with the least work
// any safe in-place rewrite must do: read it, write its bytes to a temporary
// file beside it, sync that, rename it over the file and sync the folder. The
// floor for `wepn resave --in-place`, timed beside it by scripts/bench-check.
//   write_floor [--one-folder-sync] [--writers N] FILE...
// --one-folder-sync syncs each folder once at the end instead of after each
// file; --writers N rewrites N files at a time.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool rewrite(const std::string& path, bool syncFolderNow, std::vector<char>& buffer) {
    const int in = ::open(path.c_str(), O_RDONLY);
    if (in < 0) {
        return false;
    }
    std::size_t size = 0;
    for (ssize_t n; (n = ::read(in, buffer.data() + size, buffer.size() - size)) > 0;) {
        size += std::size_t(n);
        if (size == buffer.size()) {
            buffer.resize(buffer.size() * 2);
        }
    }
    ::close(in);
    const std::string temp = path + ".floor-tmp";
    const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (out < 0) {
        return false;
    }
    const bool ok = ::write(out, buffer.data(), size) == ssize_t(size) && ::fsync(out) == 0;
    ::close(out);
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    if (syncFolderNow) {
        syncFolder(folderOf(path));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    bool oneFolderSync = false;
    unsigned writers = 1;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "--one-folder-sync") == 0) {
            oneFolderSync = true;
        } else if (std::strcmp(argv[first], "--writers") == 0 && first + 1 < argc) {
            writers = unsigned(std::max(1, std::atoi(argv[++first])));
        }
    }
    std::atomic<int> next{first};
    std::atomic<bool> failed{false};
    const auto work = [&] {
        std::vector<char> buffer(1 << 16);
        for (int i = next++; i < argc; i = next++) {
            if (!rewrite(argv[i], !oneFolderSync, buffer)) {
                failed = true;
            }
        }
    };
    std::vector<std::jthread> helpers;
    for (unsigned t = 1; t < writers; ++t) {
        helpers.emplace_back(work);
    }
    work();
    helpers.clear();
    if (oneFolderSync) {
        std::set<std::string> folders;
        for (int i = first; i < argc; ++i) {
            folders.insert(folderOf(argv[i]));
        }
        for (const std::string& folder : folders) {
            syncFolder(folder);
        }
    }
    return failed ? 1 : 0;
}
