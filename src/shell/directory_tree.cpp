#include "shell/directory_tree.h"

#include "files/custom_fso.h"
#include "files/directory_listing.h"
#include "files/name_folding.h"
#include "files/path_mapping.h"
#include "shell/path_text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace wepn::directory_tree {

std::string absoluteOf(std::string_view path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(fs::path(path), ec);
    if (ec) {
        absolute = fs::path("/") / path;
    }
    std::string normal = absolute.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    return normal;
}

bool isAtOrBelow(std::string_view path, std::string_view dir) {
    if (!path.starts_with(dir)) {
        return false;
    }
    return path.size() == dir.size() || dir.ends_with('/') || path[dir.size()] == '/';
}

std::vector<std::string> ancestorsOf(std::string_view path, std::string_view root) {
    std::vector<std::string> chain{std::string(root)};
    std::size_t end = root.size();
    while (end < path.size()) {
        if (path[end] == '/') {
            ++end;
        }
        end = std::min(path.find('/', end), path.size());
        chain.emplace_back(path.substr(0, end));
    }
    return chain;
}

std::string childOf(std::string_view dir, std::string_view name) {
    std::string child(dir);
    if (!child.empty() && child.back() != '/') {
        child += '/';
    }
    return child.append(name);
}

std::string lastNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos || path.size() == 1) {
        return std::string(path);
    }
    return std::string(path.substr(slash + 1));
}

std::string parentOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

std::string nearestExistingDirectory(std::string_view path) {
    std::error_code ec;
    fs::path p(absoluteOf(path));
    while (!fs::is_directory(p, ec) && p != p.parent_path()) {
        p = p.parent_path();
    }
    return p.string();
}

} // namespace wepn::directory_tree
