#pragma once

#include "sheet/desk_weapon.h"
#include "sheet/edit.h"
#include "sheet/table_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wepn {

/// The desk's rows as `wepn table` writes them, every column, the weapons as
/// edited with their files' fingerprints; failed rows are left out, as the
/// command leaves them out. Delimited text (',' for CSV, '\t' for TSV).
std::string deskDelimitedBytes(const std::vector<const DeskWeapon*>& weapons, char delimiter);

/// The same as an XLSX workbook's bytes, or why it cannot be made.
std::optional<std::string> deskXlsxBytes(const std::vector<const DeskWeapon*>& weapons,
                                         std::string& bytes);

/// What one row of an imported table would do: its desk weapon and changes
/// (OLD -> NEW as `wepn apply` prints them, and the cells to set with
/// setDeskCell), or why the row is refused.
struct ImportPreviewRow {
    std::size_t line = 0; ///< the row's line (or object) in the table
    std::string shown;    ///< the row's weapon as the desk names it, else the path for messages
    std::optional<std::size_t> weapon; ///< into the desk's weapons
    std::vector<EditChange> changes;
    std::vector<std::pair<std::string, std::string>> cells; ///< (column, value) to set
    std::vector<std::string> problems; ///< UTF-8; nothing changes for such a row
};

/// Previews a table applied to the desk with `wepn apply`'s rules, writing
/// nothing and changing no weapon: rows name files under the desk's `folder`
/// that are on the desk, the rows' fingerprints must match the files as the
/// desk loaded them, and each cell is checked and applied to a copy of the
/// weapon as edited. `familyList`: whether the desk has a family list, which
/// family columns need.
std::vector<ImportPreviewRow> importTablePreview(const TableFile& table,
                                                 const std::vector<DeskWeapon>& weapons,
                                                 const std::string& folder, bool familyList);

} // namespace wepn
