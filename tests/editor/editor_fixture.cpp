#include "editor_fixture.h"

#include "test_support.h"

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
    retype(find<QLineEdit>(lineEdit), text);
}

void EditorTest::retype(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

QByteArray scriptWith(const char* weaponType, const char* fireType) {
    QByteArray script = QByteArray::fromStdString(test::fixture("editor_weapon.wepn"));
    return script.replace("\"Fixed\",\"Bullet\"",
                          QByteArray("\"") + weaponType + "\",\"" + fireType + "\"");
}

} // namespace wepn
