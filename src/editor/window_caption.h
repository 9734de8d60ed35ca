#pragma once

#include <QString>

namespace wepn {

/// The texts of the window caption.
class WindowCaption {
  public:
    /// "Vyr Weapon Editor": caption of the window and title of message boxes.
    static QString applicationTitle();
    /// The caption from start-up until a file is opened: title and full version.
    static QString startup();
    /// The caption while a file is open: title, " v", major.minor, " - ", file
    /// name and the modified marker "[*]".
    static QString forFile(const QString& nativePath);
    /// The path's part after its last native separator ("/", and on Windows
    /// "\" too); empty when it has none.
    static QString fileName(const QString& nativePath);
};

} // namespace wepn
