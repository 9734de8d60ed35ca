#include "editor_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QUndoStack>
#include <functional>

namespace wepn {
namespace {

class HistoryTest : public EditorTest {
  protected:
    void SetUp() override {
        window.setFileWriter([this](const QString&, std::string_view bytes) {
            saved = std::string(bytes);
            return std::optional<QString>();
        });
        ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet"), QStringLiteral("/w/gun.wepn")));
    }

    // Every field, drop-down and list row as shown. The controls below the
    // lists are the list editors' scratch, not the weapon, and are left ou
    QStringList form() {
        const QStringList scratch{"txtMinEffect",   "txtMaxEffect", "txtSpawnedWeaponEffect",
                                  "txtPenetration", "txtAccuracy",  "cboCondition",
                                  "cboEffect"};
        QStringList shown;
        for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
            if (!scratch.contains(edit->objectName())) {
                shown << edit->objectName() + '=' + edit->text();
            }
        }
        for (QComboBox* combo : window.findChildren<QComboBox*>()) {
            if (!scratch.contains(combo->objectName())) {
                shown << combo->objectName() + '=' + combo->currentText();
            }
        }
        for (QListWidget* list : window.findChildren<QListWidget*>()) {
            for (int row = 0; row < list->count(); ++row) {
                shown << list->objectName() + '=' + list->item(row)->text();
            }
        }
        return shown;
    }
    std::string savedBytes() {
        EXPECT_TRUE(window.saveFile(window.filePath()));
        return saved;
    }
    // The caption as the window manager shows i
    QString caption() {
        QString title = window.windowTitle();
        return title.replace(QStringLiteral("[*]"),
                             window.isWindowModified() ? QStringLiteral("*") : QString());
    }
    void type(const char* lineEdit, const QString& text) {
        auto* edit = find<QLineEdit>(lineEdit);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }

    std::string saved;
};

struct ChangeCase {
    const char* name;
    const char* undoText;
    std::function<void()> change;
};

TEST_F(HistoryTest, EveryKindOfChangeMarksTheWeaponAndUndoesExactly) {
    const ChangeCase cases[] = {
        {"typing", "Undo Firing Range", [this] { type("Value(4)", "75"); }},
        {"drop-down", "Undo Activation",
         [this] {
             auto* combo = find<QComboBox>("cboActivation");
             combo->setFocus();
             QTest::keyClick(combo, Qt::Key_Down);
         }},
        {"result add", "Undo Add Result", [this] { click("cmdAdd"); }},
        {"result apply", "Undo Apply Result",
         [this] {
             clickRow("lstWeaponResults", 0);
             retype("txtMaxEffect", QStringLiteral("42"));
             click("cmdApply");
         }},
        {"result remove", "Undo Remove Result",
         [this] {
             clickRow("lstWeaponResults", 1);
             click("cmdRemove");
         }},
        {"penetration apply", "Undo Apply Penetration",
         [this] {
             clickRow("lstArmorFamilies", 0);
             retype("txtPenetration", QStringLiteral("3"));
             click("cmdPenApply");
         }},
        {"accuracy apply", "Undo Apply Accuracy",
         [this] {
             clickRow("lstAccuracy", 0);
             retype("txtAccuracy", QStringLiteral("0.5"));
             click("cmdAccApply");
         }},
    };
    for (const ChangeCase& c : cases) {
        ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet"), QStringLiteral("/w/gun.wepn")));
        const QStringList cleanForm = form();
        const std::string cleanBytes = savedBytes();
        EXPECT_EQ(caption(), QStringLiteral("Vyr Weapon Editor v1.4 - gun.wepn")) << c.name;

        c.change();
        EXPECT_TRUE(window.isModified()) << c.name;
        EXPECT_EQ(caption(), QStringLiteral("Vyr Weapon Editor v1.4 - gun.wepn*")) << c.name;
        EXPECT_EQ(window.undoAction()->text().remove(QLatin1Char('&')).toStdString(), c.undoText);
        EXPECT_EQ(window.history().count(), 1) << c.name;
        const QStringList changedForm = form();

        EXPECT_NE(changedForm, cleanForm) << c.name;

        window.undoAction()->trigger();
        EXPECT_FALSE(window.isModified()) << c.name;
        EXPECT_EQ(caption(), QStringLiteral("Vyr Weapon Editor v1.4 - gun.wepn")) << c.name;
        EXPECT_EQ(form(), cleanForm) << c.name;
        window.redoAction()->trigger();
        EXPECT_TRUE(window.isModified()) << c.name;
        EXPECT_EQ(form(), changedForm) << c.name;
        window.undoAction()->trigger();
        EXPECT_EQ(savedBytes(), cleanBytes) << c.name;
    }
}

TEST_F(HistoryTest, TypingIsOneStepUntilFocusLeaves) {
    const QString range = text("Value(4)");
    type("Value(4)", "12");
    EXPECT_EQ(window.history().count(), 1);
    type("Value(3)", "5");
    type("Value(4)", "3");
    EXPECT_EQ(window.history().count(), 3);
    EXPECT_EQ(text("Value(4)"), QStringLiteral("123") + range);

    window.undoAction()->trigger();
    window.undoAction()->trigger();
    window.undoAction()->trigger();
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(text("Value(4)"), range);
    EXPECT_EQ(window.redoAction()->text().remove(QLatin1Char('&')),
              QStringLiteral("Redo Firing Range"));
}

TEST_F(HistoryTest, LoadAndSaveStartANewHistoryAndClearTheMarker) {
    type("Value(4)", "9");
    ASSERT_TRUE(window.isModified());
    EXPECT_TRUE(window.saveFile(QStringLiteral("/w/other.wepn")));
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(caption(), QStringLiteral("Vyr Weapon Editor v1.4 - other.wepn"));
    EXPECT_FALSE(window.undoAction()->isEnabled());

    type("Value(4)", "9");
    ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet"), QStringLiteral("/w/gun.wepn")));
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(window.history().count(), 0);
}

} // namespace
} // namespace wepn
