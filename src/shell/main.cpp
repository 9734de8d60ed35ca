#include "shell/editor_application.h"
#include "shell/editor_command_line.h"

#include <QApplication>

int main(int argc, char** argv) {
    using wepn::EditorCommandLine;
    QStringList rawArguments;
    for (int k = 0; k < argc; ++k) {
        rawArguments << QString::fromLocal8Bit(argv[k]);
    }
    if (const EditorCommandLine early(rawArguments, EditorCommandLine::Pass::Information);
        early.exitCode()) {
        return *early.exitCode();
    }
    QApplication app(argc, argv);
    const EditorCommandLine commandLine(QCoreApplication::arguments(),
                                        EditorCommandLine::Pass::Full);
    if (commandLine.exitCode()) {
        return *commandLine.exitCode();
    }
    const QStringList arguments =
        wepn::EditorApplication::seedDataDirectory(commandLine.editorArguments());
    wepn::EditorApplication editor;
    editor.start(arguments);
    return QApplication::exec();
}
