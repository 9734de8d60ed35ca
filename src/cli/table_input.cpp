#include "cli/table_input.h"

#include "cli/weapon_io.h"
#include "sheet/weapon_table.h"
#include "sheet/fingerprint.h"

#include <algorithm>
#include <cctype>

namespace wepn {
namespace {

constexpr std::size_t kMaxTableBytes = 256 * 1024 * 1024;

std::optional<std::string> unknownColumn(const std::vector<std::string>& columns) {
    for (const std::string& column : columns) {
        if (column != kPathColumn && column != kSourceColumn && !TableColumn::named(column)) {
            return column;
        }
    }
    return std::nullopt;
}

} // namespace

Expected<TableFile, Failure> readTableInput(const std::string& path) {
    const ReadResult read = readInputBytes(path, kMaxTableBytes);
    if (!read.ok()) {
        return Failure{0, *read.error};
    }
    Expected<TableFile, std::string> table = readTableFile(read.bytes);
    if (!table) {
        // "line N: REASON" names the line the way every other message does: TABLE:N.
        const std::string& error = table.error();
        std::size_t digits = 5;
        while (error.starts_with("line ") && digits < error.size() &&
               std::isdigit(static_cast<unsigned char>(error[digits]))) {
            ++digits;
        }
        if (digits > 5 && error.compare(digits, 2, ": ") == 0) {
            return Failure{std::stoul(error.substr(5, digits - 5)), error.substr(digits + 2)};
        }
        return Failure{0, error};
    }
    if (std::find(table->columns.begin(), table->columns.end(), kPathColumn) ==
        table->columns.end()) {
        return Failure{0, "no 'path' column: it names each row's file"};
    }
    if (std::optional<std::string> unknown = unknownColumn(table->columns)) {
        return Failure{0, "unknown column '" + *unknown + "'"};
    }
    return std::move(table.value());
}

} // namespace wepn
