// Renders the main window off screen to PNG files: empty as it starts, and
// with a sample weapon loaded. Usage: wepn_editor_screenshots DATA_DIR OUT_DIR

#include "editor/message_sink.h"
#include "editor/wepn_editor_main.h"
#include "model/family_list.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <cstdio>

namespace {

class PrintingSink : public wepn::MessageSink {
  public:
    void show(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool confirm(const QString& question) override {
        show(question);
        return false;
    }
};

std::string readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return {};
    }
    return file.readAll().toStdString();
}

bool save(QWidget& window, const QString& path) {
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[2]);
        return 1;
    }

    PrintingSink messages;
    wepn::WepnEditor_Main window(&messages);
    window.show();
    if (!save(window, out.filePath(QStringLiteral("editor-empty.png")))) {
        return 1;
    }

    const wepn::FamilyRows families =
        wepn::readFamilyList(readAll(data.filePath(QStringLiteral("Scripts/familylist.lua"))));
    const QStringList fireNames = QDir(data.filePath(QStringLiteral("Scripts/Weaponfire")))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const QString weapon = data.filePath(QStringLiteral("Weapon/autocannon_turret.wepn"));
    if (!window.openFile(QDir::toNativeSeparators(weapon), readAll(weapon), families, fireNames)) {
        return 1;
    }
    return save(window, out.filePath(QStringLiteral("editor-weapon.png"))) ? 0 : 1;
}
