// Starts either the editor (the same start-up as vyr-weapon-editor) or a bare
// Qt main window, quits as soon as the window is first exposed on screen, and
// prints its peak resident memory. scripts/bench-startup times whole runs.
#include "editor/wepn_editor_main.h"
#include "shell/editor_application.h"

#include <QApplication>
#include <QMainWindow>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

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
    } else {
        wepn::EditorApplication editor;
        watch(editor.window(), quitter);
        editor.start({});
        result = QApplication::exec();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return result;
}
