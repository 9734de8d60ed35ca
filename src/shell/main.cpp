#include "shell/editor_application.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments =
        wepn::EditorApplication::seedDataDirectory(QCoreApplication::arguments().mid(1));
    wepn::EditorApplication editor;
    editor.start(arguments);
    return QApplication::exec();
}
