#pragma once

#include "model/expected.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace wepn {

/// The folder a weapon table may edit: the data directory given with it, or
/// the folder the table lies in. A table row names its file relative to the
/// root or by an absolute path.
class TableRoot {
  public:
    /// Fails with a reason when the folder does not exist.
    static Expected<TableRoot, std::string> at(const std::filesystem::path& folder);

    /// The file a row names, with links and ".." resolved, or why the row may
    /// not edit it: it lies outside the root or does not exist.
    Expected<std::filesystem::path, std::string> file(const std::filesystem::path& named) const;

    /// How a table names the file: relative to the root when it lies inside
    /// (without following links), otherwise as given.
    std::string named(const std::filesystem::path& file) const;

    const std::filesystem::path& folder() const { return m_folder; }

  private:
    std::filesystem::path m_folder;    // as given
    std::filesystem::path m_canonical; // links and ".." resolved
};

/// True when the name ends in ".wepn", ignoring case.
bool endsInWeaponSuffix(std::string_view name);

} // namespace wepn
