#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace wepn {

// Paths are native inside the shell: the platform's file-name bytes, exactly
// as the file system holds them. Text typed or stored by the user becomes such
// a path once, where it enters; text for the eye is made from it only to show.

// The bytes of a text as Qt's own file classes would name the file.
std::string toFileBytes(const QString& text);

// A path as the user entered it (typed, stored, or the default), made native:
// the Windows form (a drive letter or backslashes) is mapped through the Wine
// prefix, ignoring letter case; a native path is taken as it is.
std::string nativePathOf(const QString& entered);

// The native path of a name typed into the native folder `dir`: a backslash
// in it separates folders, which are mapped as the Windows form is; the last
// name is kept exactly as typed, so "OUT.wepn" beside "out.wepn" is new.
std::string typedPathIn(const std::string& dir, const QString& typed);

// File-name bytes for the eye: UTF-8 where the bytes are valid UTF-8, any
// other byte as its Latin-1 character, control characters as their visible
// symbols (a newline shows as U+240A). Only for showing: the bytes open files.
QString displayText(std::string_view bytes);

} // namespace wepn
