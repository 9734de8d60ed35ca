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

std::vector<DirectoryEntry> listNativeEntries(const std::string& nativeDir, EntryKinds kinds) {
    std::vector<DirectoryEntry> entries;
    std::error_code ec;
    fs::directory_iterator it(nativeDir.empty() ? "." : nativeDir, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (isHiddenName(name)) {
            continue;
        }
        // The entry knows its own type on most file systems: only links (and
        // entries of unknown type) cost a stat, which a large folder notices.
        std::error_code typeError;
        if (it->is_regular_file(typeError)) {
            entries.push_back({std::move(name), false});
        } else if (kinds == EntryKinds::FilesAndDirectories && it->is_directory(typeError)) {
            entries.push_back({std::move(name), true});
        }
    }
    if (ec) {
        return {};
    }
    std::sort(entries.begin(), entries.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
        return names::lessIgnoringCase(a.name, b.name);
    });
    return entries;
}

std::vector<std::string> listNativeDirectory(const std::string& nativeDir, EntryKinds kinds) {
    std::vector<std::string> names;
    for (DirectoryEntry& entry : listNativeEntries(nativeDir, kinds)) {
        names.push_back(std::move(entry.name));
    }
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

bool isWeaponFileName(std::string_view name) {
    return names::containsIgnoringCase(name, ".wepn");
}

} // namespace wepn
