#include "editor_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace wepn {

EditorTest::EditorTest() {
    window.show();
}

QString EditorTest::text(const char* lineEditName) {
    return find<QLineEdit>(lineEditName)->text();
}

QString EditorTest::samplePath(const QString& weaponFile) {
    return QStringLiteral(WEPN_EXAMPLES_DIR "/Weapon/") + weaponFile;
}

std::string EditorTest::sampleBytes(const QString& weaponFile) {
    QFile file(samplePath(weaponFile));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << weaponFile.toStdString();
    return file.readAll().toStdString();
}

FamilyRows EditorTest::sampleFamilies() {
    QFile file(QStringLiteral(WEPN_EXAMPLES_DIR "/Scripts/familylist.lua"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    return readFamilyList(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

QStringList EditorTest::sampleFireNames() {
    return QDir(QStringLiteral(WEPN_EXAMPLES_DIR "/Scripts/Weaponfire"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

void EditorTest::openSample(const QString& weaponFile) {
    ASSERT_TRUE(window.openFile(samplePath(weaponFile), sampleBytes(weaponFile), sampleFamilies(),
                                sampleFireNames()))
        << weaponFile.toStdString() << ": " << messages.texts.join('|').toStdString();
}

bool EditorTest::openScript(const QByteArray& script, const QString& path) {
    return window.openFile(path, script.toStdString(), sampleFamilies(), sampleFireNames());
}

void EditorTest::clickRow(const char* list, int row) {
    auto* widget = find<QListWidget>(list);
    QListWidgetItem* item = widget->item(row);
    ASSERT_NE(item, nullptr) << list << " row " << row;
    const QRect rect = widget->visualItemRect(item);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, rect.center());
}

void EditorTest::click(const char* button) {
    QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
}

void EditorTest::retype(const char* lineEdit, const QString& text) {
    auto* edit = find<QLineEdit>(lineEdit);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QByteArray scriptWith(const char* weaponType, const char* fireType) {
    return QByteArray("StartWeaponConfig(NewWeaponType,\"") + weaponType + "\",\"" + fireType +
           "\",\"fx\",\"Normal\",100,2000,30,2,0.5,1,3,1,0,0.5,2,4,0,1,45,30,1.5,\"Normal\",1,0,"
           "100000)\r\n"
           "AddWeaponResult(NewWeaponType,\"Hit\",\"DamageHealth\",\"Target\",10,20,\"\")\r\n"
           "AddWeaponResult(NewWeaponType,\"Hit\",\"Push\",\"Hull\",5,6,\"\")\r\n"
           "AddWeaponResult(NewWeaponType,\"Miss\",\"SpawnWeaponFire\",\"Ground\",0,0,"
           "\"smoke - trail\")\r\n"
           "setAngles(NewWeaponType,10,-20,30,-5,15)\r\n"
           "setMiscValues(NewWeaponType,0.25,0.1)\r\n"
           "setPenetration(NewWeaponType,5,0.5,\r\n"
           "{Fighter=0.75,},\r\n"
           "{Capital=2,})\r\n"
           "setAccuracy(NewWeaponType,1,\r\n"
           "{SmallCraft=0.25, damage=1,},\r\n"
           "{Frigate=0.5,})\r\n"
           "setWeaponSound(NewWeaponType,\"boom\")\r\n";
}

} // namespace wepn
