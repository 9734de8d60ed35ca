#include "cli/save_guard.h"

#include <filesystem>

namespace wepn {

std::optional<std::string> optionAfterMarker(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        std::error_code ec;
        if (file.size() > 1 && file.starts_with('-') &&
            !std::filesystem::exists(std::filesystem::symlink_status(file, ec))) {
            return "'" + file +
                   "' after '--' names no file; options go before '--' (a file "
                   "named so: ./" +
                   file + ")";
        }
    }
    return std::nullopt;
}

} // namespace wepn
