#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// Navigation in native paths for the dialogs' directory lists. Paths are
// file-name bytes; a name may hold any byte but "/" and NUL.
namespace directory_tree {

// `path` made absolute, without "." or ".." components and without a
// trailing "/" (except for "/" itself).
std::string absoluteOf(std::string_view path);

// `root`, then every directory below it down to `path` itself; both absolute
// as absoluteOf makes them, and `path` at or below `root`.
std::vector<std::string> ancestorsOf(std::string_view path, std::string_view root);

// True when `path` is `dir` or lies below it (both as absoluteOf makes them).
bool isAtOrBelow(std::string_view path, std::string_view dir);

// `name` inside `dir`, with one "/" between them.
std::string childOf(std::string_view dir, std::string_view name);

// The last component; the path itself for "/".
std::string lastNameOf(std::string_view path);

// The folder holding the last component: "/" for a name at the root, "" for
// a bare name.
std::string parentOf(std::string_view path);

// `path` made absolute when it names an existing directory, else its nearest
// existing ancestor ("/" at the least): a dialog always opens somewhere usable.
std::string nearestExistingDirectory(std::string_view path);

} // namespace directory_tree
} // namespace wepn
