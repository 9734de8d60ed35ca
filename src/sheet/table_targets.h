#pragma once

#include "sheet/table_file.h"
#include "sheet/table_root.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// The file one table row edits, or why it may not edit one.
struct RowTarget {
    const TableRow* row = nullptr;
    std::filesystem::path file; // links and ".." resolved
    std::string shown;          // the path for messages: the root joined with the row's path
    std::string problem;        // empty when the row may edit the file
};

// The row's cell in the column; nothing when the row lacks it.
const std::string* cellOf(const TableRow& row, std::string_view column);

// Finds every row's file under the root before any is written, blank rows
// left out. A row naming the same file (device and inode) as an earlier one
// is refused: a save replaces the file, and the two rows would not see each
// other's edits.
std::vector<RowTarget> rowTargets(const TableFile& table, const TableRoot& root);

} // namespace wepn
