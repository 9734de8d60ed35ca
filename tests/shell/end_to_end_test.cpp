// Runs the installed-form program itself: off screen through Qt's VNC platform,
// which is also how the test delivers keys to it, with a settings store of
// its own and a sample weapon on its command line.
#include <QDataStream>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <gtest/gtest.h>
#include <utility>

namespace wepn {
namespace {

constexpr int kStartTimeoutMs = 30000;

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Reads `size` bytes from `socket`, or fewer when the time runs out.
QByteArray readExactly(QTcpSocket& socket, qsizetype size) {
    QByteArray out;
    while (out.size() < size &&
           (socket.bytesAvailable() > 0 || socket.waitForReadyRead(kStartTimeoutMs))) {
        out += socket.read(size - out.size());
    }
    return out;
}

// Presses Ctrl+Q in a program on Qt's VNC platform, the only way to type
// into an off-screen process, through just enough of a VNC (RFB 3.3) client:
// the handshake with no security, then the server's own pixel format echoed
// and raw encoding, as it sends frames only then; the keys go once the first
// frame shows the window is up.
void pressControlQ(QTcpSocket& socket, quint16 port) {
    QElapsedTimer waited;
    waited.start();
    socket.connectToHost(QHostAddress::LocalHost, port);
    while (!socket.waitForConnected(1000) && waited.elapsed() < kStartTimeoutMs) {
        socket.abort();
        QThread::msleep(100);
        socket.connectToHost(QHostAddress::LocalHost, port);
    }
    ASSERT_EQ(socket.state(), QAbstractSocket::ConnectedState) << "no VNC server on " << port;
    ASSERT_TRUE(readExactly(socket, 12).startsWith("RFB "));
    socket.write("RFB 003.003\n");
    ASSERT_EQ(readExactly(socket, 4), QByteArray("\0\0\0\1", 4)) << "no security";
    socket.write("\1"); // shared session
    const QByteArray init = readExactly(socket, 24);
    ASSERT_EQ(init.size(), 24);
    readExactly(socket, qFromBigEndian<quint32>(init.constData() + 20)); // its name
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << quint8(0) << quint8(0) << quint16(0);
    out.writeRawData(init.constData() + 4, 16);
    out << quint8(2) << quint8(0) << quint16(1) << qint32(0);
    out.writeRawData("\3\0\0\0\0\0", 6);
    out.writeRawData(init.constData(), 4); // the whole screen
    socket.write(request);
    ASSERT_EQ(readExactly(socket, 4).left(1), QByteArray(1, '\0')) << "no first frame";
    const quint32 control = 0xffe3;
    for (const auto& [keysym, down] :
         {std::pair{control, 1}, {quint32('q'), 1}, {quint32('q'), 0}, {control, 0}}) {
        QByteArray event;
        QDataStream(&event, QIODevice::WriteOnly)
            << quint8(4) << quint8(down) << quint16(0) << keysym;
        socket.write(event);
    }
    socket.waitForBytesWritten(1000);
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

    QTcpSocket screen; // open until the program ends
    pressControlQ(screen, port);

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
        if (run.inOut.size() == 1) {
            EXPECT_EQ(out, run.inOut.front()) << "a single text is the whole output";
        }
        EXPECT_TRUE(err.contains(QLatin1String(run.inErr))) << err.toStdString();
    }
}

} // namespace
} // namespace wepn
