#include "shell/directory_tree.h"

#include "files/custom_fso.h"
#include "files/directory_listing.h"
#include "files/name_folding.h"
#include "files/path_mapping.h"
#include "shell/path_text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace wepn::directory_tree {
namespace {

const QChar kSeparator = QLatin1Char('\\');

// Length of the root part: "X:\" (3), "X:" (2), "\" (1), or 0 for a relative path.
qsizetype rootLength(const QString& path) {
    if (path.size() >= 2 && path.at(0).isLetter() && path.at(1) == QLatin1Char(':')) {
        return path.size() >= 3 && path.at(2) == kSeparator ? 3 : 2;
    }
    return path.startsWith(kSeparator) ? 1 : 0;
}

QString withoutTrailingSeparators(const QString& path) {
    const qsizetype root = rootLength(path);
    qsizetype end = path.size();
    while (end > root && path.at(end - 1) == kSeparator) {
        --end;
    }
    return path.left(end);
}

} // namespace

QString parentOf(const QString& path) {
    const QString trimmed = withoutTrailingSeparators(path);
    const qsizetype root = rootLength(trimmed);
    if (trimmed.size() <= root) {
        return {};
    }
    const qsizetype cut = trimmed.lastIndexOf(kSeparator);
    if (cut < root) {
        // A drive root without its separator ("X:") stands for "X:\".
        return root == 2 ? trimmed.left(2) + kSeparator : trimmed.left(root);
    }
    return withoutTrailingSeparators(trimmed.left(std::max(cut, root)));
}

QStringList ancestorsOf(const QString& path) {
    QStringList chain;
    for (QString p = withoutTrailingSeparators(path); !p.isEmpty(); p = parentOf(p)) {
        if (rootLength(p) == 2 && p.size() == 2) {
            p += kSeparator;
        }
        chain.prepend(p);
    }
    return chain;
}

QString childOf(const QString& dir, const QString& name) {
    return dir.isEmpty() || dir.endsWith(kSeparator) ? dir + name : dir + kSeparator + name;
}

QString displayNameOf(const QString& path) {
    const QString trimmed = withoutTrailingSeparators(path);
    const qsizetype root = rootLength(trimmed);
    if (trimmed.size() <= root) {
        return trimmed;
    }
    return trimmed.mid(std::max(trimmed.lastIndexOf(kSeparator) + 1, root));
}

QStringList subdirectoriesOf(const QString& dir) {
    // One pass that asks the directory entries themselves whether they are
    // directories: no extra listing and, on most file systems, no stat call.
    namespace fs = std::filesystem;
    const std::string native = toNativePath(toFileBytes(dir));
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(native.empty() ? "." : native, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!isHiddenName(name) && it->is_directory(typeError)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return names::lessIgnoringCase(a, b);
    });
    QStringList dirs;
    for (const std::string& name : names) {
        dirs << fromFileBytes(name);
    }
    return dirs;
}

QString nearestExistingDirectory(const QString& path, const CustomFSO& fso) {
    for (QString p = path; !p.isEmpty(); p = parentOf(p)) {
        if (fso.FolderExists(toFileBytes(p))) {
            return p;
        }
    }
    return homeInWindowsForm();
}

} // namespace wepn::directory_tree
