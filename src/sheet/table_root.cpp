#include "sheet/table_root.h"

#include <algorithm>

namespace wepn {
namespace {

namespace fs = std::filesystem;

bool inside(const fs::path& root, const fs::path& file) {
    const auto [rootEnd, fileAt] =
        std::mismatch(root.begin(), root.end(), file.begin(), file.end());
    return rootEnd == root.end() && fileAt != file.end();
}

} // namespace

Expected<TableRoot, std::string> TableRoot::at(const fs::path& folder) {
    std::error_code ec;
    TableRoot root;
    root.m_folder = folder.empty() ? fs::path(".") : folder;
    root.m_canonical = fs::canonical(root.m_folder, ec);
    if (ec || !fs::is_directory(root.m_canonical, ec)) {
        return "the folder '" + root.m_folder.string() + "' does not exist";
    }
    return root;
}

Expected<fs::path, std::string> TableRoot::file(const fs::path& named) const {
    std::error_code ec;
    const fs::path file = fs::canonical(m_folder / named, ec);
    if (ec) {
        return "'" + named.string() + "' does not exist (" + ec.message() + ")";
    }
    if (!inside(m_canonical, file)) {
        return "'" + named.string() + "' lies outside '" + m_canonical.string() +
               "', the folder the table may edit (the table's folder, or --data DIR)";
    }
    return file;
}

std::string TableRoot::named(const fs::path& file) const {
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec).lexically_normal();
    fs::path root = fs::absolute(m_folder, ec).lexically_normal();
    if (!root.has_filename()) {
        root = root.parent_path(); // "Data/" names the folder Data
    }
    const fs::path relative = absolute.lexically_relative(root);
    if (ec || relative.empty() || *relative.begin() == "..") {
        return file.string();
    }
    return relative.string();
}

bool endsInWeaponSuffix(std::string_view name) {
    constexpr std::string_view kSuffix = ".wepn";
    if (name.size() <= kSuffix.size()) {
        return false;
    }
    return std::equal(kSuffix.begin(), kSuffix.end(), name.end() - kSuffix.size(),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); });
}

} // namespace wepn
