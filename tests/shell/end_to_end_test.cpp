// Runs the installed-form program itself: off screen through Qt's VNC platform,
// which is also how the test delivers keys to it, with a settings store of
// its own and a sample weapon on its command line.
#include "rfb_client.h"

#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace wepn {
namespace {

constexpr int kStartTimeoutMs = 30000;

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

const QString kWeapon = QStringLiteral(WEPN_EXAMPLES_DIR "/Weapon/ion_lance.wepn");

// Starts the program with `platform` (and settings in `config`, if given).
void startEditor(QProcess& editor, const QString& platform, const QStringList& arguments,
                 const QTemporaryDir* config = nullptr) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (config != nullptr) {
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config->path());
    }
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    editor.setProcessEnvironment(env);
    editor.start(QStringLiteral(WEPN_EDITOR_EXECUTABLE), arguments);
}

// Runs the program with its settings in `config` and the sample weapon on its
// command line, and ends it with Ctrl+Q. The program answers only once its
// event loop runs, after the weapon was opened; a message box in front would
// take Ctrl+Q instead of the main window, and the program would not end.
void runOnTheSampleWeaponAndQuit(const QTemporaryDir& config) {
    const quint16 port = freePort();
    QProcess editor;
    editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    startEditor(editor, QStringLiteral("vnc:size=1024x768:port=%1").arg(port), {kWeapon}, &config);
    ASSERT_TRUE(editor.waitForStarted(kStartTimeoutMs));

    RfbClient screen;
    ASSERT_TRUE(screen.connectTo(port, kStartTimeoutMs)) << "no VNC server on port " << port;
    ASSERT_TRUE(screen.waitForFirstFrame(kStartTimeoutMs));
    screen.pressWithControl('q');

    const bool finished = editor.waitForFinished(kStartTimeoutMs);
    if (!finished) {
        editor.kill();
        editor.waitForFinished();
    }
    ASSERT_TRUE(finished) << "Ctrl+Q did not end the program";
    EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(editor.exitCode(), 0);
}

QStringList recentFiles(const QSettings& stored) {
    QStringList paths;
    for (const QString& entry : stored.value(QStringLiteral("RecentFiles/Paths")).toStringList()) {
        paths << QString::fromUtf8(QByteArray::fromPercentEncoding(entry.toLatin1()));
    }
    return paths;
}

// A first run, as from a file manager: nothing stored, and the weapon lies in
// a data tree. It opens with no message in its way, Ctrl+Q ends the program,
// which keeps the file among the recent ones and the window's geometry, but
// not the data directory it brought: that is stored only when the user keeps it.
TEST(EndToEnd, AFirstRunOpensTheWeaponWithTheDataAroundItAndQuitsOnCtrlQ) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    runOnTheSampleWeaponAndQuit(config);
    const QSettings stored(config.filePath(QStringLiteral("Vyrdesk.ini")), QSettings::IniFormat);
    EXPECT_EQ(recentFiles(stored), QStringList{kWeapon});
    EXPECT_FALSE(stored.value(QStringLiteral("Window/Geometry")).toByteArray().isEmpty());
    EXPECT_FALSE(stored.contains(QStringLiteral("Directories/Decompiled_Data")));
}

TEST(EditorCommandLine, VersionHelpAndUnknownOptions) {
    struct Run {
        QStringList arguments;
        int exitCode;
        QStringList inOut; // each is in standard output
        const char* inErr;
    };
    const Run runs[] = {
        {{QStringLiteral("--version")}, 0, {QStringLiteral("vyr-weapon-editor 1.4.4\n")}, ""},
        {{QStringLiteral("--help")},
         0,
         {QStringLiteral("Usage: vyr-weapon-editor"), QStringLiteral("--version"),
          QStringLiteral("--seed-data-dir <DIR>"), QStringLiteral("[file]")},
         ""},
        {{QStringLiteral("--frobnicate")}, 2, {}, "frobnicate"},
    };
    for (const Run& run : runs) {
        QProcess editor;
        startEditor(editor, QStringLiteral("offscreen"), run.arguments);
        ASSERT_TRUE(editor.waitForFinished(kStartTimeoutMs));
        const QString out = QString::fromLocal8Bit(editor.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(editor.readAllStandardError());
        EXPECT_EQ(editor.exitCode(), run.exitCode) << out.toStdString();
        for (const QString& part : run.inOut) {
            EXPECT_TRUE(out.contains(part)) << out.toStdString();
        }
        EXPECT_EQ(out.isEmpty(), run.inOut.isEmpty());
        EXPECT_TRUE(err.contains(QLatin1String(run.inErr))) << err.toStdString();
    }
}

} // namespace
} // namespace wepn
