#pragma once

#include <string>
#include <string_view>

namespace wepn {

/// Queries on paths in the program's Windows form. Stateless; the existence
/// tests never throw and answer false on any error.
class CustomFSO {
  public:
    /// The part of `path` after the last `delimiter` (a backslash when empty),
    /// or "" when the delimiter does not occur. With a backslash as delimiter,
    /// "/" also cuts on platforms without drive letters.
    std::string GetFileName(std::string_view path, std::string_view delimiter = "") const;

    /// True when an ordinary (not hidden) file of that name exists. "*" and "?"
    /// in the last component match any such file.
    bool FileExists(std::string_view path) const noexcept;

    /// True exactly when `path` names an existing directory; a trailing
    /// backslash is accepted, and an empty path is the root directory.
    bool FolderExists(std::string_view path) const noexcept;
};

} // namespace wepn
