#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wepn {

/// The home directory whose Wine prefix holds the drive letters: the override
/// when one is set, else $HOME, else the user's entry in the password database.
std::string homeDirectory();

/// Replaces the home directory for drive letters (tests use a temporary
/// directory); std::nullopt goes back to the real one.
void setHomeDirectoryOverride(std::optional<std::string> home);

/// True for a path in Windows form: one holding a backslash or starting with
/// a drive letter and a colon.
bool isWindowsForm(std::string_view path);

/// Maps a path in the program's Windows form to the native form on disk:
/// "\" becomes "/"; a leading drive "X:" becomes `home`/.wine/dosdevices/x:;
/// each component that does not exist with its exact letter case is matched
/// ignoring case against its directory's entries. Relative paths stay relative.
/// A path not in Windows form is native already and returned as it is.
std::string toNativePath(std::string_view windowsPath, const std::string& home);

/// toNativePath with homeDirectory().
std::string toNativePath(std::string_view windowsPath);

/// The form of a path shown to the user in messages: the native path that the
/// program actually touches.
std::string toDisplayPath(std::string_view windowsPath);

} // namespace wepn
