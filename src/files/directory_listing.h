#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// Which entries a listing returns. Hidden entries (dot names) never appear.
enum class EntryKinds {
    Files,              ///< ordinary files only
    FilesAndDirectories ///< ordinary files and directories
};

/// Names of the entries of a native directory, ordered ignoring letter case.
/// Symbolic links count as what they point to; dangling links, devices, pipes
/// and sockets are left out. A missing or unreadable directory lists nothing.
std::vector<std::string> listNativeDirectory(const std::string& nativeDir, EntryKinds kinds);

/// listNativeDirectory of a directory given in the program's Windows form.
std::vector<std::string> listDirectory(std::string_view dir, EntryKinds kinds);

/// True for names the platform hides from listings.
bool isHiddenName(std::string_view name);

/// The weapon-fire effect names of a directory: its files and directories
/// whose name has no "." at all, in listing order.
std::vector<std::string> weaponFireNames(std::string_view dir);

/// The names offered by the open and save dialogs: files and directories
/// whose name contains ".wepn" anywhere, ignoring case, in listing order.
std::vector<std::string> weaponFileNames(std::string_view dir);

} // namespace wepn
