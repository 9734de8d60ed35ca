// Renders the main window off screen to PNG files: empty as it starts, and
// with a sample weapon loaded. Usage: wepn_editor_screenshots DATA_DIR OUT_DIR

#include "editor/wepn_editor_main.h"
#include "model/family_list.h"
#include "screenshot_tool.h"

#include <QFile>

namespace {

std::string readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return {};
    }
    return file.readAll().toStdString();
}

} // namespace

int main(int argc, char** argv) {
    using namespace wepn::screenshots;
    const std::optional<Folders> folders = foldersFrom(argc, argv);
    if (!folders) {
        return 2;
    }
    QApplication app(argc, argv);
    const QDir& data = folders->data;
    const QDir& out = folders->out;

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
