#pragma once

// What the programs share that render windows off screen to PNG files for the
// documentation (scripts/screenshots). Each takes DATA_DIR and OUT_DIR.

#include "editor/message_sink.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <optional>

namespace wepn::screenshots {

// Message texts go to standard error; questions are answered no.
class PrintingSink : public MessageSink {
  public:
    void show(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool confirm(const QString& question) override {
        show(question);
        return false;
    }
};

// The data and output folders from the arguments, the output folder made;
// nothing after saying why not. Call before the application is made: it also
// has it draw off screen unless the caller chose a platform.
struct Folders {
    QDir data;
    QDir out;
};
inline std::optional<Folders> foldersFrom(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR OUT_DIR\n", argv[0]);
        return std::nullopt;
    }
    Folders folders{QDir(QString::fromLocal8Bit(argv[1])), QDir(QString::fromLocal8Bit(argv[2]))};
    if (!folders.out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[2]);
        return std::nullopt;
    }
    return folders;
}

// Writes what `window` shows to `path` and prints the path.
inline bool save(QWidget& window, const QString& path) {
    // What a resize leaves for later (the main window's scroll bars) is done
    // before the picture is taken.
    QApplication::processEvents();
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace wepn::screenshots
