#include "files/path_mapping.h"

#include "files/name_folding.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wepn {

namespace {

std::optional<std::string>& homeOverride() {
    static std::optional<std::string> home;
    return home;
}

bool isDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool entryExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// The entry of `dir` equal to `name` ignoring case; the first in byte order when
// several differ only in case, so the answer does not depend on readdir order.
std::optional<std::string> matchIgnoringCase(const std::string& dir, std::string_view name) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? "." : dir, ec);
    std::optional<std::string> found;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (names::equalsIgnoringCase(entry, name) && (!found || entry < *found)) {
            found = std::move(entry);
        }
    }
    return found;
}

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::status(path, ec));
}

// The length of the longest leading folder of `path`, up to and with a "/",
// that holds a backslash and exists exactly as written; 0 when there is none.
std::size_t literalFolderLength(std::string_view path) {
    for (std::size_t slash = path.rfind('/'); slash != std::string_view::npos && slash > 0;
         slash = path.rfind('/', slash - 1)) {
        const std::string_view folder = path.substr(0, slash);
        if (folder.find('\\') == std::string_view::npos) {
            return 0;
        }
        if (isDirectory(std::string(folder))) {
            return slash + 1;
        }
    }
    return 0;
}

} // namespace

std::string homeDirectory() {
    if (homeOverride()) {
        return *homeOverride();
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
        return pw->pw_dir;
    }
    return {};
}

void setHomeDirectoryOverride(std::optional<std::string> home) {
    homeOverride() = std::move(home);
}

bool isWindowsForm(std::string_view path) {
    return path.find('\\') != std::string_view::npos ||
           (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == ':');
}

std::string toNativePath(std::string_view windowsPath, const std::string& home) {
    // A native path names exactly the file it spells, and so does a path that
    // exists exactly as written ("a\\b.wepn"); only the Windows form, written
    // for a platform whose names ignore case, is matched that way.
    if (!isWindowsForm(windowsPath) || entryExists(std::string(windowsPath))) {
        return std::string(windowsPath);
    }

    // `out` is the part already resolved against the disk, `rest` what is left
    // to map: its backslashes become "/".
    std::string out;
    std::string_view given = windowsPath;
    if (given.size() >= 2 && isDriveLetter(given[0]) && given[1] == ':') {
        const char letter =
            static_cast<char>(names::foldCase(static_cast<unsigned char>(given[0])));
        out = home + "/.wine/dosdevices/" + letter + ':';
        given.remove_prefix(2);
        // "C:name" is relative to the drive's current directory; with no
        // current directory kept per drive, the drive's root stands in.
        if (!given.empty() && given.front() != '/' && given.front() != '\\') {
            out += '/';
        }
    } else {
        // A folder that exists exactly as written is native, backslashes and
        // all ("/src/my\\repo/Data/new.wepn"); only what follows it is mapped.
        const std::size_t folder = literalFolderLength(given);
        out = given.substr(0, folder);
        given.remove_prefix(folder);
        if (folder > 0 && given.find('\\') == std::string_view::npos) {
            return std::string(windowsPath);
        }
    }
    std::string rest(given);
    for (char& c : rest) {
        if (c == '\\') {
            c = '/';
        }
    }

    // Most paths exist as written: one query instead of one per component.
    if (entryExists(out + rest)) {
        return out + rest;
    }

    bool resolving = true;
    std::size_t i = 0;
    while (i < rest.size()) {
        if (rest[i] == '/') {
            out += '/';
            ++i;
            continue;
        }
        std::size_t end = rest.find('/', i);
        if (end == std::string::npos) {
            end = rest.size();
        }
        std::string component = rest.substr(i, end - i);
        if (resolving && component != "." && component != ".." && !entryExists(out + component)) {
            if (auto match = matchIgnoringCase(out, component)) {
                component = std::move(*match);
            } else {
                resolving = false; // nothing below a missing component can exist
            }
        }
        out += component;
        i = end;
    }
    return out;
}

std::string toNativePath(std::string_view windowsPath) {
    return toNativePath(windowsPath, homeDirectory());
}

std::string toDisplayPath(std::string_view windowsPath) {
    return toNativePath(windowsPath);
}

} // namespace wepn
