#pragma once

// What the test programs share: temporary directories, the fixture files of
// tests/data, and runs of the built `wepn`.

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace wepn::test {

/// A fresh directory under the system's temporary directory, removed with
/// everything in it (read-only parts included) when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(std::string_view relative) const;

    /// Creates a file (and its parent directories) holding exactly `bytes`.
    std::string write(std::string_view relative, std::string_view bytes = "x") const;
    std::string makeDir(std::string_view relative) const;
    /// A data directory whose Scripts/familylist.lua holds `list` (by default
    /// the fixture family list).
    std::string dataDir(std::string_view relative, std::string_view list) const;
    std::string dataDir(std::string_view relative = "Data") const;

  private:
    std::string m_path;
};

std::string readFile(const std::string& path);

/// The bytes of a fixture file under tests/data, e.g. "weapon.wepn" (a weapon
/// with every statement) or "familylist.lua" (its families and Corvette).
std::string fixture(std::string_view name);

/// Every entry of a directory by name, hidden names included.
std::set<std::string> entryNames(const std::string& dir);

/// Permission checks do not apply to root: those cases are skipped.
bool runningAsRoot();

/// What one run of the built `wepn` printed and returned.
struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

/// Runs the built `wepn` with `args`.
ToolRun runWepnExecutable(const std::vector<std::string>& args);

/// Runs the built `wepn` with `args` and `input` as its standard input.
ToolRun runWepnWithInput(const std::vector<std::string>& args, std::string_view input);

} // namespace wepn::test
