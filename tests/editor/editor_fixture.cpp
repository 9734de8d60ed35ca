#include "editor_fixture.h"

#include "model/fields.h"
#include "test_support.h"

#include <QComboBox>
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

QWidget* EditorTest::field(const std::string& fieldName) const {
    const FieldBinding* binding = c().binding(fieldName);
    EXPECT_NE(binding, nullptr) << fieldName;
    return binding->control();
}

QLineEdit* EditorTest::edit(const std::string& fieldName) const {
    const FieldBinding* binding = c().binding(fieldName);
    EXPECT_NE(binding, nullptr) << fieldName;
    return binding->edit != nullptr ? binding->edit : binding->combo->lineEdit();
}

QStringList EditorTest::rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
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

void EditorTest::clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr) << "row " << row;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void EditorTest::click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void EditorTest::retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->insert(text); // keyClicks types ASCII only
}

QByteArray scriptWith(const char* weaponType, const char* fireType) {
    QByteArray script = QByteArray::fromStdString(test::fixture("editor_weapon.wepn"));
    return script.replace("\"Fixed\",\"Bullet\"",
                          QByteArray("\"") + weaponType + "\",\"" + fireType + "\"");
}

} // namespace wepn
