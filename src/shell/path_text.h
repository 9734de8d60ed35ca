#pragma once

#include <QString>
#include <string>

namespace wepn {

// Paths travel as QString in the shell and as the platform's file-name bytes in
// the file layer; these two convert between them the way Qt's own file classes do.
std::string toFileBytes(const QString& path);
QString fromFileBytes(const std::string& path);

// The program's Windows form of a native path: "/" becomes "\".
QString windowsFormOf(const QString& nativePath);

// The home directory in the program's Windows form.
QString homeInWindowsForm();

// The native path the file layer touches for a path in the program's form.
QString nativePathOf(const QString& windowsPath);

// The same for a path whose last component the user typed: the folder is
// mapped, the name is kept exactly as typed, so "OUT.wepn" beside "out.wepn"
// names a new file.
QString nativePathOfNewFile(const QString& windowsPath);

} // namespace wepn
