#include "files/directory_listing.h"

#include "files/name_folding.h"
#include "files/path_mapping.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace wepn {

bool isHiddenName(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

std::vector<std::string> listNativeDirectory(const std::string& nativeDir, EntryKinds kinds) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(nativeDir.empty() ? "." : nativeDir, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (isHiddenName(name)) {
            continue;
        }
        std::error_code statError;
        const fs::file_status status = it->status(statError);
        if (statError) {
            continue;
        }
        const bool wanted = fs::is_regular_file(status) ||
                            (kinds == EntryKinds::FilesAndDirectories && fs::is_directory(status));
        if (wanted) {
            names.push_back(std::move(name));
        }
    }
    if (ec) {
        return {};
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return names::lessIgnoringCase(a, b);
    });
    return names;
}

std::vector<std::string> listDirectory(std::string_view dir, EntryKinds kinds) {
    return listNativeDirectory(toNativePath(dir), kinds);
}

std::vector<std::string> weaponFireNames(std::string_view dir) {
    std::vector<std::string> names = listDirectory(dir, EntryKinds::FilesAndDirectories);
    std::erase_if(names,
                  [](const std::string& name) { return name.find('.') != std::string::npos; });
    return names;
}

std::vector<std::string> weaponFileNames(std::string_view dir) {
    std::vector<std::string> names = listDirectory(dir, EntryKinds::FilesAndDirectories);
    std::erase_if(
        names, [](const std::string& name) { return !names::containsIgnoringCase(name, ".wepn"); });
    return names;
}

} // namespace wepn
