#include "editor/visual_style.h"
#include "editor_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

namespace wepn {
namespace {

class HistoryTest : public EditorTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet"), QStringLiteral("/w/gun.wepn")));
    }
    // The caption as the window manager shows it.
    QString caption() {
        return window.windowTitle().replace(
            QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
    }
    void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
};

TEST_F(HistoryTest, EveryKindOfChangeMarksTheWeaponAndUndoesExactly) {
    for (const QStringList& c : dataLines("changes.txt")) {
        const std::string name = c[0].toStdString();
        ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet"), QStringLiteral("/w/gun.wepn")));
        const QStringList cleanForm = form();
        const WeaponState cleanState = window.state();
        const std::string cleanBytes = savedBytes();
        EXPECT_EQ(caption(), QStringLiteral("Vyr Weapon Editor v1.4 - gun.wepn")) << name;

        run(c[1]);
        EXPECT_TRUE(window.isModified()) << name;
        EXPECT_TRUE(window.revertAction()->isEnabled()) << name;
        EXPECT_EQ(caption(), QStringLiteral("Vyr Weapon Editor v1.4 - gun.wepn*")) << name;
        EXPECT_EQ(window.undoAction()->text().remove(QLatin1Char('&')), c[2]) << name;
        EXPECT_EQ(window.history().count(), 1) << name;
        const QStringList changedForm = form();
        const WeaponState changedState = window.state();
        EXPECT_NE(changedForm, cleanForm) << name;
        EXPECT_NE(changedState, cleanState) << name << ": the state holds the change";

        window.undoAction()->trigger();
        EXPECT_FALSE(window.isModified()) << name;
        EXPECT_FALSE(window.revertAction()->isEnabled()) << name;
        EXPECT_EQ(caption(), QStringLiteral("Vyr Weapon Editor v1.4 - gun.wepn")) << name;
        EXPECT_EQ(form(), cleanForm) << name;
        EXPECT_EQ(window.state(), cleanState) << name;
        window.redoAction()->trigger();
        EXPECT_TRUE(window.isModified()) << name;
        EXPECT_EQ(form(), changedForm) << name;
        EXPECT_EQ(window.state(), changedState) << name;
        window.undoAction()->trigger();
        EXPECT_EQ(savedBytes(), cleanBytes) << name;
    }
}

TEST_F(HistoryTest, LoadAndSaveStartANewHistoryAndClearTheMarker) {
    type(edit("fWeaponFireRange"), "9");
    ASSERT_TRUE(window.isModified());
    EXPECT_TRUE(window.saveFile(QStringLiteral("/w/other.wepn")));
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(caption(), QStringLiteral("Vyr Weapon Editor v1.4 - other.wepn"));
    EXPECT_FALSE(window.undoAction()->isEnabled());

    type(edit("fWeaponFireRange"), "9");
    ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet"), QStringLiteral("/w/gun.wepn")));
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(window.history().count(), 0);
}

// A text is refused when it is committed, and the field stays marked (the
// weapon counts as changed) until its text reads again; Save refuses while
// a field is marked, and commits what is being typed first.
TEST_F(HistoryTest, CommittedTextIsCheckedAndSaveWritesOnlyWhatReads) {
    for (const QStringList& c : dataLines("commits.txt")) {
        const std::string name = c[0].toStdString() + " '" + c[1].toStdString() + "'";
        ASSERT_TRUE(openScript(scriptWith("AnimatedTurret", "Bullet"), "/w/gun.wepn"));
        QWidget* control = field(c[0].toStdString());
        messages.texts.clear();
        retype(edit(c[0].toStdString()), c[1]);
        EXPECT_TRUE(messages.texts.isEmpty()) << name << ": nothing is said while typing";
        QTest::keyClick(edit(c[0].toStdString()), Qt::Key_Return);
        const bool refused = c[2] != "-";
        EXPECT_EQ(messages.texts, refused ? QStringList{c[2]} : QStringList{}) << name;
        EXPECT_EQ(VisualStyle::isMarkedRejected(control), refused) << name;
        EXPECT_TRUE(window.isModified()) << name;

        messages.texts.clear();
        saved.clear();
        const bool saves = c[3] == "-";
        EXPECT_EQ(window.saveFile(QStringLiteral("/w/out.wepn")), saves) << name;
        EXPECT_EQ(saved.empty(), !saves) << name;
        EXPECT_EQ(messages.texts.value(0),
                  saves ? QStringLiteral("Successfully saved to '/w/out.wepn'")
                        : QStringLiteral("Save failed, please inform Brenn and post your *.wepn "
                                         "file in the Korvex thread.\n") +
                              c[3])
            << name;
        if (refused) {
            retype(edit(c[0].toStdString()), QStringLiteral("7"));
            EXPECT_FALSE(VisualStyle::isMarkedRejected(control)) << name << ": fixed";
        }
    }
}

} // namespace
} // namespace wepn
