#include "model/family_list.h"

#include "model/list_rows.h"
#include "model/text_tokens.h"

#include <optional>

namespace wepn {
namespace {

// The family name of an entry line: the text between its first and second
// double quotes, or all after a lone double quote; none without a quote.
std::optional<std::string_view> familyName(std::string_view line) {
    const std::size_t open = line.find('"');
    if (open == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t close = line.find('"', open + 1);
    return line.substr(open + 1,
                       close == std::string_view::npos ? std::string_view::npos : close - open - 1);
}

bool isEntry(std::string_view line) {
    return line.find('=') != std::string_view::npos && containsIgnoringCase(line, "name");
}

std::vector<std::string> readBlock(const std::vector<std::string_view>& lines,
                                   std::string_view startMarker, std::string_view endMarker) {
    std::vector<std::string> rows;
    std::size_t i = 0;
    while (i < lines.size() && !containsIgnoringCase(lines[i], startMarker)) {
        ++i;
    }
    // The start marker's own line may hold an entry; the end marker's may not.
    for (; i < lines.size() && !containsIgnoringCase(lines[i], endMarker); ++i) {
        if (!isEntry(lines[i])) {
            continue;
        }
        if (const auto name = familyName(lines[i])) {
            rows.push_back(penetrationRow(*name, kPlaceholderValue));
        }
    }
    return rows;
}

} // namespace

FamilyRows readFamilyList(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    return {readBlock(lines, "armourfamily", "unitcapsfamily"),
            readBlock(lines, "attackfamily", "dockfamily")};
}

} // namespace wepn
