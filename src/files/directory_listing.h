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

/// One entry of a directory listing: its name and whether it is a directory.
struct DirectoryEntry {
    std::string name;
    bool directory = false;
};

/// The ordinary files and directories of a native directory, ordered ignoring
/// letter case, as listNativeDirectory lists them: one pass for callers that
/// want both kinds apart.
std::vector<DirectoryEntry> listNativeEntries(const std::string& nativeDir, EntryKinds kinds);

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

/// True for the names the open and save dialogs offer: those that contain
/// ".wepn" anywhere, ignoring case.
bool isWeaponFileName(std::string_view name);

} // namespace wepn
