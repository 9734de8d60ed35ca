#include "cli/files_in_order.h"

#include "files/directory_sync_batch.h"

#include <algorithm>
#include <sstream>

namespace wepn {

bool eachFileInOrder(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                     const FileWork& work, ParallelShape shape) {
    constexpr std::size_t kBatch = 256;
    DirectorySyncBatch folderSyncs;
    bool allOk = true;
    for (std::size_t first = 0; first < files.size(); first += kBatch) {
        const std::size_t count = std::min(kBatch, files.size() - first);
        std::vector<std::ostringstream> outs(count);
        std::vector<std::ostringstream> errs(count);
        std::vector<char> ok(count);
        parallelFor(
            count,
            [&](std::size_t i) {
                const DirectorySyncBatch::Joined joined(folderSyncs);
                ok[i] = work(files[first + i], outs[i], errs[i]);
            },
            shape);
        for (std::size_t i = 0; i < count; ++i) {
            err << errs[i].view();
            out << outs[i].view();
            allOk = allOk && ok[i];
        }
    }
    return allOk;
}

} // namespace wepn
