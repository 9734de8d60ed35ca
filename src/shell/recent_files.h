#pragma once

#include <QStringList>

namespace wepn {

// The weapons last opened or saved, newest first, kept by QSettings beside
// the data directory in a group of their own.
class RecentFiles {
  public:
    static constexpr qsizetype kLimit = 8;

    QStringList read() const;
    // Puts `path` first, drops an older mention of it and keeps the newest eight.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

  private:
    void write(const QStringList& paths);
};

} // namespace wepn
