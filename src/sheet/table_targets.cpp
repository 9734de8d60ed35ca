#include "sheet/table_targets.h"

#include "files/file_identity.h"
#include "sheet/cell_check.h"
#include "sheet/weapon_table.h"

#include <algorithm>
#include <optional>

namespace wepn {

const std::string* cellOf(const TableRow& row, std::string_view column) {
    for (const auto& [name, value] : row.cells) {
        if (name == column) {
            return &value;
        }
    }
    return nullptr;
}

std::vector<RowTarget> rowTargets(const TableFile& table, const TableRoot& root) {
    std::vector<RowTarget> targets;
    std::vector<std::optional<FileIdentity>> identities;
    for (const TableRow& row : table.rows) {
        if (std::all_of(row.cells.begin(), row.cells.end(),
                        [](const auto& cell) { return cell.second.empty(); })) {
            continue;
        }
        RowTarget& target = targets.emplace_back(RowTarget{&row, {}, {}, {}});
        identities.emplace_back();
        const std::string* named = cellOf(row, kPathColumn);
        if (named == nullptr || named->empty()) {
            target.problem = "the row names no file";
            continue;
        }
        const std::string path = table.marked ? unmarkedText(*named) : *named;
        Expected<std::filesystem::path, std::string> file = root.file(path);
        if (!file) {
            target.problem = file.error();
            continue;
        }
        target.file = std::move(file.value());
        target.shown = (root.folder() / path).lexically_normal().string();
        identities.back() = fileIdentity(target.file.string());
        const auto same = std::find(identities.begin(), identities.end() - 1, identities.back());
        if (identities.back() && same != identities.end() - 1) {
            target.problem = "'" + target.shown + "' is the same file as " +
                             (table.json ? "object " : "line ") +
                             std::to_string(targets[same - identities.begin()].row->line) +
                             "; the row is left out";
        }
    }
    return targets;
}

} // namespace wepn
