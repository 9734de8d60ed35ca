#pragma once

#include <climits>
#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace wepn {

// The longest name a list may hold, in bytes.
inline constexpr std::size_t kMaxListedName = PATH_MAX;

// Reads the names of a list of files (`check --files-from`): one a line (a CR
// before the LF is dropped), or separated by NUL bytes (`find -print0`).
// Blank entries name nothing. Memory stays bounded whatever the list holds:
// a name longer than kMaxListedName is refused and skipped; a NUL in a list
// of lines ends the list, which was not written one a line.
class FileList {
  public:
    FileList(std::istream& list, bool nulSeparated);

    // Up to `count` names into `names`, and each name refused as
    // "ENTRY: error: REASON" (ENTRY the 1-based line, or the entry with NUL
    // separators) into `refused`. False once the list is exhausted and
    // nothing was read.
    bool read(std::size_t count, std::vector<std::string>& names,
              std::vector<std::string>& refused);

  private:
    std::streambuf& m_list;
    char m_separator;
    std::size_t m_entry = 0;
    bool m_ended = false;
};

} // namespace wepn
