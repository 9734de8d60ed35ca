#pragma once

#include <string>
#include <vector>

namespace wepn {

/// Syncs a folder so the renames in it last (best effort: the files' data is
/// synced already); "" is the current folder.
void syncDirectory(const std::string& dir);

/// While one is alive, saves made on its thread (writeFileSafely and
/// writeNativeFileSafely) leave the folder sync to it, and it syncs each
/// folder once when it ends: a batch of saves in one folder then costs one
/// folder sync instead of one a file. Each file is complete and in place
/// either way; only the moment its new name is made lasting moves.
class DirectorySyncBatch {
  public:
    DirectorySyncBatch();
    ~DirectorySyncBatch();
    DirectorySyncBatch(const DirectorySyncBatch&) = delete;
    DirectorySyncBatch& operator=(const DirectorySyncBatch&) = delete;

    /// Syncs `dir` now, or once at the end of the thread's batch, if any.
    static void syncOrDefer(const std::string& dir);

  private:
    DirectorySyncBatch* m_outer;
    std::vector<std::string> m_folders;
};

} // namespace wepn
