// Starts either the editor (the same start-up as vyr-weapon-editor) or a bare
// Qt main window, quits as soon as the window is first exposed on screen, and
// prints its peak resident memory. scripts/bench-startup times whole runs.
// `startup_probe editor FILE` opens FILE as `vyr-weapon-editor FILE` does and
// quits instead when the first message box (the load's warning) is exposed:
// the moment the user can act on the window.
#include "editor/wepn_editor_main.h"
#include "shell/editor_application.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {

void printPeakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
}

// Quits the application at the first expose of the watched window.
class FirstExposeQuit : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }
};

// Ends the process at the first expose of a message box. The box runs its own
// event loop, possibly before the application's starts, so this exits at once.
class MessageBoxExposeExit : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->windowHandle() == watched && qobject_cast<QMessageBox*>(widget)) {
                    printPeakMemory();
                    std::fflush(stdout);
                    std::_Exit(0);
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void watch(QWidget& window, FirstExposeQuit& quitter) {
    window.winId(); // makes the native window, so its expose can be watched
    window.windowHandle()->installEventFilter(&quitter);
}

} // namespace

int main(int argc, char** argv) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication app(argc, argv);
    FirstExposeQuit quitter;
    int result = 0;
    if (bare) {
        QMainWindow window;
        watch(window, quitter);
        window.show();
        result = QApplication::exec();
    } else if (argc > 2) {
        MessageBoxExposeExit exit;
        app.installEventFilter(&exit);
        wepn::EditorApplication editor;
        editor.start({QString::fromLocal8Bit(argv[2])});
        QApplication::exec();
        std::fprintf(stderr, "no message box was shown\n");
        return 1;
    } else {
        wepn::EditorApplication editor;
        watch(editor.window(), quitter);
        editor.start({});
        result = QApplication::exec();
    }
    printPeakMemory();
    return result;
}
