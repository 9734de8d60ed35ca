#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

namespace wepn {

// The weapons last opened or saved, newest first, kept by QSettings beside
// the data directory in a group of their own. Paths are file-name bytes,
// stored percent-encoded so that a name in any encoding comes back as the
// same file; a list stored as text by an earlier version is still read.
class RecentFiles {
  public:
    static constexpr qsizetype kLimit = 8;

    std::vector<std::string> read() const;
    // Puts `path` first, drops an older mention of it and keeps the newest eight.
    void add(const std::string& path);
    void remove(const std::string& path);
    void clear();

  private:
    void write(const std::vector<std::string>& paths);
};

} // namespace wepn
