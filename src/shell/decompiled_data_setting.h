#pragma once

#include <QString>

namespace wepn {

// The one per-user setting: the data directory, as the user typed it. Kept by
// QSettings in INI form at user scope; tests move the store with
// QSettings::setPath, and a private XDG_CONFIG_HOME moves it for a whole run.
class DecompiledDataSetting {
  public:
    static QString defaultDirectory();

    // The stored directory, or the default when nothing is stored.
    QString read() const;
    // Stores the directory, replacing any earlier one.
    void write(const QString& directory);
    // True once a directory has been stored.
    bool isStored() const;
    // Stores the directory only when none is stored yet.
    void seed(const QString& directory);
};

} // namespace wepn
