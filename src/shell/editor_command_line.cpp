#include "shell/editor_command_line.h"

#include <QCommandLineParser>
#include <cstdio>

namespace wepn {
namespace {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

EditorCommandLine::EditorCommandLine(const QStringList& arguments, Pass pass) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vyr Weapon Editor: edits the weapon scripts (.wepn) of Vyrheim 2."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption seed(
        QStringLiteral("seed-data-dir"),
        QStringLiteral("Use DIR as the data directory when none is stored yet."),
        QStringLiteral("DIR"));
    parser.addOptions({help, version, seed});
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A weapon script (.wepn) to open, or a folder whose "
                       "weapons the weapon table shows."),
        QStringLiteral("[file]"));

    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        // Without an application the parser cannot name the program itself.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("vyr-weapon-editor")));
        m_exitCode = 0;
        return;
    }
    if (parser.isSet(version)) {
        print(stdout,
              QStringLiteral("vyr-weapon-editor %1\n").arg(QStringLiteral(WEPN_VERSION_STRING)));
        m_exitCode = 0;
        return;
    }
    if (pass == Pass::Information) {
        return;
    }
    if (!parsed) {
        print(stderr, QStringLiteral("vyr-weapon-editor: %1\nTry 'vyr-weapon-editor --help'.\n")
                          .arg(parser.errorText()));
        m_exitCode = 2;
        return;
    }
    if (parser.isSet(seed)) {
        m_editorArguments << QStringLiteral("--seed-data-dir") << parser.value(seed);
    }
    m_editorArguments << parser.positionalArguments();
}

} // namespace wepn
