// Renders the main window off screen to PNG files: empty as it starts, and
// with a sample weapon loaded. Usage: wepn_editor_screenshots DATA_DIR OUT_DIR

#include "family_list.h"
#include "screenshot_tool.h"
#include "wepn_editor_main.h"

#include <QFile>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return {};
    }
    return file.readAll();
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

    const QByteArray familyBytes = readAll(data.filePath(QStringLiteral("Scripts/familylist.lua")));
    const wepn::FamilyRows families = wepn::readFamilyList(
        std::string_view(familyBytes.constData(), static_cast<std::size_t>(familyBytes.size())));
    const QStringList fireNames = QDir(data.filePath(QStringLiteral("Scripts/Weaponfire")))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const QString weapon = data.filePath(QStringLiteral("Weapon/autocannon_turret.wepn"));
    if (!window.openFile(QDir::toNativeSeparators(weapon), readAll(weapon), families, fireNames)) {
        return 1;
    }
    return save(window, out.filePath(QStringLiteral("editor-weapon.png"))) ? 0 : 1;
}
