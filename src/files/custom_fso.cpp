#include "files/custom_fso.h"

#include "files/directory_listing.h"
#include "files/name_folding.h"
#include "files/path_mapping.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace wepn {

namespace {

#ifdef _WIN32
constexpr bool kSlashIsSeparator = false;
#else
constexpr bool kSlashIsSeparator = true;
#endif

} // namespace

std::string CustomFSO::GetFileName(std::string_view path, std::string_view delimiter) const {
    if (delimiter.empty()) {
        delimiter = "\\";
    }

    // Pieces are cut left to right, so with a delimiter longer than one
    // character overlapping occurrences count once ("aaa" cut at "aa").
    std::size_t lastPieceStart = std::string_view::npos;
    for (std::size_t pos = path.find(delimiter); pos != std::string_view::npos;
         pos = path.find(delimiter, pos + delimiter.size())) {
        lastPieceStart = pos + delimiter.size();
    }
    if (kSlashIsSeparator && delimiter == "\\") {
        const std::size_t slash = path.rfind('/');
        if (slash != std::string_view::npos &&
            (lastPieceStart == std::string_view::npos || slash + 1 > lastPieceStart)) {
            lastPieceStart = slash + 1;
        }
    }
    if (lastPieceStart == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(lastPieceStart));
}

bool CustomFSO::FileExists(std::string_view path) const noexcept {
    try {
        const std::string native = toNativePath(path);
        const std::size_t slash = native.rfind('/');
        const std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
        if (name.empty()) {
            return false;
        }
        if (names::hasWildcard(name)) {
            const std::string dir = slash == std::string::npos ? "." : native.substr(0, slash + 1);
            const std::vector<std::string> files = listNativeDirectory(dir, EntryKinds::Files);
            return std::any_of(files.begin(), files.end(), [&](const std::string& file) {
                return names::wildcardMatch(file, name);
            });
        }
        if (isHiddenName(name)) {
            return false;
        }
        std::error_code ec;
        return fs::is_regular_file(fs::status(native, ec));
    } catch (...) {
        return false;
    }
}

bool CustomFSO::FolderExists(std::string_view path) const noexcept {
    try {
        // Probing "path\" makes an empty path the root directory, as the
        // Windows probe "\nul" does.
        std::string probe(path);
        if (probe.empty() || probe.back() != '\\') {
            probe += '\\';
        }
        std::error_code ec;
        return fs::is_directory(fs::status(toNativePath(probe), ec));
    } catch (...) {
        return false;
    }
}

} // namespace wepn
