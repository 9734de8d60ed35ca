#include "editor_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <functional>

namespace wepn {
namespace {

struct KeyCase {
    const char* what;
    std::function<void(QLineEdit*)> keys;
    const char* expected;
};

const KeyCase kKeyCases[] = {
    {"digits pass, the point is swallowed", [](QLineEdit* e) { QTest::keyClicks(e, "1.5"); }, "15"},
    {"letters and signs are swallowed", [](QLineEdit* e) { QTest::keyClicks(e, "a-+e 9,"); }, "9"},
    {"backspace edits",
     [](QLineEdit* e) {
         QTest::keyClicks(e, "123");
         QTest::keyClick(e, Qt::Key_Backspace);
     },
     "12"},
    {"keys without a character edit",
     [](QLineEdit* e) {
         QTest::keyClicks(e, "123");
         QTest::keyClick(e, Qt::Key_Home);
         QTest::keyClick(e, Qt::Key_Delete);
     },
     "23"},
    {"paste is swallowed",
     [](QLineEdit* e) {
         QApplication::clipboard()->setText(QStringLiteral("77"));
         QTest::keyClicks(e, "4");
         QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
     },
     "4"},
    {"cut is swallowed",
     [](QLineEdit* e) {
         QTest::keyClicks(e, "56");
         e->selectAll();
         QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
     },
     "56"},
    {"program-set text is kept", [](QLineEdit* e) { e->setText(QStringLiteral("-0.5")); }, "-0.5"},
};

TEST_F(EditorTest, DigitFieldsTakeOnlyDigitsAndBackspace) {
    openSample(QStringLiteral("ion_lance.wepn"));
    for (QLineEdit* edit :
         {c().results.minimum.edit, c().results.maximum.edit, c().families.penetration}) {
        for (const KeyCase& k : kKeyCases) {
            edit->clear();
            k.keys(edit);
            EXPECT_EQ(edit->text().toStdString(), k.expected) << k.what;
        }
    }
}

} // namespace
} // namespace wepn
