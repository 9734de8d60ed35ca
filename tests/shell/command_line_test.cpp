#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct EditorRun {
    int exitCode;
    QString out;
    QString err;
};

EditorRun runEditor(const QStringList& arguments) {
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    editor.setProcessEnvironment(env);
    editor.start(QStringLiteral(WEPN_EDITOR_EXECUTABLE), arguments);
    EXPECT_TRUE(editor.waitForFinished(30000)) << arguments.join(' ').toStdString();
    return {editor.exitCode(), QString::fromLocal8Bit(editor.readAllStandardOutput()),
            QString::fromLocal8Bit(editor.readAllStandardError())};
}

TEST(EditorCommandLine, VersionHelpAndUnknownOptions) {
    const EditorRun version = runEditor({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("vyr-weapon-editor 1.4.4\n"));

    const EditorRun help = runEditor({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* part :
         {"Usage: vyr-weapon-editor", "--version", "--seed-data-dir <DIR>", "[file]"}) {
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(part))) << part << "\n"
                                                                  << help.out.toStdString();
    }

    const EditorRun unknown = runEditor({QStringLiteral("--frobnicate")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("frobnicate"))) << unknown.err.toStdString();
}

} // namespace
