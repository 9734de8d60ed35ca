// The editor window's resident memory: shown off screen, then after opening
// every sample weapon in turn and drawing the window. Prints VmRSS (and the
// peak, VmHWM) from /proc/self/status in kB.

#include "editor/message_sink.h"
#include "editor/wepn_editor_main.h"
#include "model/family_list.h"
#include "qt_bench_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using wepn::bench::DiscardingSink;
using wepn::bench::readAll;

// A "Vm...:" figure of this process in kB, or -1.
long statusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key + ":")) {
            return std::stol(line.substr(key.size() + 1));
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QString data = QStringLiteral(WEPN_EXAMPLES_DIR);
    const wepn::FamilyRows families =
        wepn::readFamilyList(readAll(data + QStringLiteral("/Scripts/familylist.lua")));
    const QStringList fireNames = QDir(data + QStringLiteral("/Scripts/Weaponfire"))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot);

    DiscardingSink messages;
    wepn::WepnEditor_Main window(&messages);
    window.show();
    window.grab(); // draw once, as the screen would
    app.processEvents();
    const long shown = statusKb("VmRSS");

    const QDir weapons(data + QStringLiteral("/Weapon"));
    int opened = 0;
    for (const QString& name : weapons.entryList({QStringLiteral("*.wepn")}, QDir::Files)) {
        const QString path = weapons.filePath(name);
        if (!window.openFile(path, readAll(path), families, fireNames)) {
            std::fprintf(stderr, "could not open %s\n", qPrintable(path));
            return 1;
        }
        window.grab();
        app.processEvents();
        ++opened;
    }
    std::printf("window shown: VmRSS %ld kB\n", shown);
    std::printf("after opening %d sample weapons: VmRSS %ld kB, peak VmHWM %ld kB\n", opened,
                statusKb("VmRSS"), statusKb("VmHWM"));
    return 0;
}
