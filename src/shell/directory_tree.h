#pragma once

#include <QString>
#include <QStringList>

namespace wepn {

class CustomFSO;

// Navigation in paths of the program's Windows form, for the dialogs'
// directory lists. A root is "X:\" for a drive and "\" for the native root.
namespace directory_tree {

// The directory one level up, or "" above a root or a single relative name.
QString parentOf(const QString& path);

// The path itself and every directory above it, outermost first.
QStringList ancestorsOf(const QString& path);

// `name` inside `dir`, with one backslash between them.
QString childOf(const QString& dir, const QString& name);

// The last component, or the root itself for a root.
QString displayNameOf(const QString& path);

// The sub-directories of `dir` (hidden ones left out), ordered ignoring case.
QStringList subdirectoriesOf(const QString& dir);

// `path` when it names an existing directory, else its nearest existing
// ancestor, else the home directory: a dialog always opens somewhere usable.
QString nearestExistingDirectory(const QString& path, const CustomFSO& fso);

} // namespace directory_tree
} // namespace wepn
