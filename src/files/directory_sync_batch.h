#pragma once

#include <mutex>
#include <string>
#include <unordered_set>

namespace wepn {

/// Syncs a folder so the renames in it last (best effort: the files' data is
/// synced already); "" is the current folder.
void syncDirectory(const std::string& dir);

/// While one is alive, saves made on its thread (writeFileSafely and
/// writeNativeFileSafely), and on threads that joined it, leave the folder
/// sync to it, and it syncs each folder once when it ends: a batch of saves in
/// one folder then costs one folder sync instead of one a file. Each file is
/// complete and in place either way; only the moment its new name is made
/// lasting moves.
class DirectorySyncBatch {
  public:
    DirectorySyncBatch();
    ~DirectorySyncBatch();
    DirectorySyncBatch(const DirectorySyncBatch&) = delete;
    DirectorySyncBatch& operator=(const DirectorySyncBatch&) = delete;

    /// Makes the saves of the thread that makes it part of `batch` while it
    /// lives: for the worker threads of a batch saved on several threads.
    class Joined {
      public:
        explicit Joined(DirectorySyncBatch& batch);
        ~Joined();
        Joined(const Joined&) = delete;
        Joined& operator=(const Joined&) = delete;

      private:
        DirectorySyncBatch* m_outer;
    };

    /// Syncs `dir` now, or once at the end of the thread's batch, if any.
    static void syncOrDefer(const std::string& dir);

  private:
    DirectorySyncBatch* m_outer;
    std::mutex m_mutex;
    std::unordered_set<std::string> m_folders;
};

} // namespace wepn
