#include "cli/files_in_order.h"

#include "cli/failure.h"
#include "files/directory_sync_batch.h"
#include "files/save_interruption.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <sstream>

namespace wepn {

bool eachFileInOrder(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                     const FileWork& work, ParallelShape shape, bool editing) {
    constexpr std::size_t kBatch = 256;
    std::unique_ptr<BatchProgress> progress;
    if (editing) {
        std::vector<std::string> shown;
        shown.reserve(files.size());
        for (const std::string& file : files) {
            shown.push_back(shownName(file));
        }
        progress = std::make_unique<BatchProgress>(std::move(shown));
    }
    DirectorySyncBatch folderSyncs;
    bool allOk = true;
    for (std::size_t first = 0; first < files.size(); first += kBatch) {
        const std::size_t count = std::min(kBatch, files.size() - first);
        std::vector<std::ostringstream> outs(count);
        std::vector<std::ostringstream> errs(count);
        std::vector<char> done(count);
        std::size_t printed = 0;
        std::mutex printing;
        parallelFor(
            count,
            [&](std::size_t i) {
                const DirectorySyncBatch::Joined joined(folderSyncs);
                BatchProgress::working(first + i);
                const bool ok = work(files[first + i], outs[i], errs[i]);
                if (progress) {
                    progress->finished(first + i);
                }
                // What a file reports is printed as soon as the files before
                // it have printed theirs, so an interrupted run has shown
                // every file it finished.
                const std::lock_guard lock(printing);
                done[i] = ok ? 1 : 2;
                for (; printed < count && done[printed] != 0 && !interruptionUnderway();
                     ++printed) {
                    err << errs[printed].view();
                    out << outs[printed].view();
                    allOk = allOk && done[printed] == 1;
                    // Printed: the text's memory goes back at once.
                    outs[printed].str(std::string());
                    errs[printed].str(std::string());
                }
                out.flush();
            },
            shape);
    }
    return allOk;
}

} // namespace wepn
