#include "shell/editor_application.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    wepn::EditorApplication editor;
    editor.start(QCoreApplication::arguments().mid(1));
    return QApplication::exec();
}
