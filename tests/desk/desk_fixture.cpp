#include "desk_fixture.h"

#include "sheet/desk_folder.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace wepn {

std::vector<QStringList> deskCases(const char* name) {
    std::istringstream in(test::fixture(std::string("desk/") + name));
    std::vector<QStringList> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            lines.push_back(QString::fromUtf8(line).split(QStringLiteral(" | ")));
        }
    }
    return lines;
}

DeskTest::DeskTest() {
    namespace fs = std::filesystem;
    const std::string data =
        dir.dataDir("Data", test::readFile(WEPN_EXAMPLES_DIR "/Scripts/familylist.lua"));
    weaponDir = data + "/Weapon";
    fs::copy(WEPN_EXAMPLES_DIR "/Weapon", weaponDir);
    const auto checks = readDeskChecks(data, false);
    EXPECT_TRUE(checks) << (checks ? std::string() : checks.error());
    std::vector<DeskWeapon> weapons;
    for (const std::string& file : weaponFileNames(weaponDir)) {
        weapons.push_back(
            loadDeskWeapon(file, "Weapon/" + fs::path(file).filename().string(), *checks));
        EXPECT_FALSE(weapons.back().failed()) << file;
    }
    model.setWeapons(std::move(weapons));
    proxy.setSourceModel(&model);
    proxy.sort(0, Qt::DescendingOrder);
    view.setModel(&proxy);
    view.show();
}

int DeskTest::row(const QString& file) const {
    return model.rowOfFile(weaponDir + "/" + file.toStdString());
}

int DeskTest::column(const QString& name) const {
    return model.columnNamed(name.toStdString());
}

QString DeskTest::cell(const QString& file, const QString& columnName) const {
    return model.cell(row(file), column(columnName));
}

QModelIndex DeskTest::viewIndex(int modelRow, int modelColumn) const {
    return proxy.mapFromSource(model.index(modelRow, modelColumn));
}

void DeskTest::select(const QStringList& files, const QString& columnName) {
    view.selectionModel()->clearSelection();
    for (const QString& file : files) {
        view.selectionModel()->select(viewIndex(row(file), column(columnName)),
                                      QItemSelectionModel::Select);
    }
}

bool DeskTest::allAsLoaded() const {
    return std::all_of(model.weapons().begin(), model.weapons().end(), [](const DeskWeapon& w) {
        return w.state == w.loaded.state && w.rows == w.loaded.rows;
    });
}

void DeskTest::undoAll() {
    while (history.canUndo()) {
        history.undo();
    }
    history.clear();
}

} // namespace wepn
