#include "editor_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace wepn {
namespace {

class ResultsEditorTest : public EditorTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet")));
        before = window.state().Results;
    }
    void choose(const char* combo, const char* row) {
        auto* box = find<QComboBox>(combo);
        box->setCurrentIndex(box->findText(QString::fromLatin1(row)));
    }
    QString row(int i) { return find<QListWidget>("lstWeaponResults")->item(i)->text(); }

    std::vector<WeaponResult> before;
};

TEST_F(ResultsEditorTest, AddAppendsAResultBuiltFromTheFields) {
    choose("cboCondition", "Miss");
    choose("cboEffect", "Push");
    find<QLineEdit>("txtMinEffect")->clear();
    retype("txtMaxEffect", QStringLiteral("5"));
    click("cmdAdd");

    EXPECT_EQ(text("txtMinEffect"), QStringLiteral("0"));
    EXPECT_EQ(row(3), QStringLiteral("Miss - Push - 0 - 5 - "));
    ASSERT_EQ(window.state().Results.size(), 4u);
    EXPECT_EQ(window.state().Results[3], (WeaponResult{"Miss", "Push", "Target", 0, 5, ""}));
}

TEST_F(ResultsEditorTest, SpawnWeaponFireSwitchesTheValueFields) {
    find<QLineEdit>("txtSpawnedWeaponEffect")->setText(QStringLiteral("flare"));
    choose("cboEffect", "SpawnWeaponFire");
    EXPECT_EQ(text("txtMinEffect"), QStringLiteral("0"));
    EXPECT_FALSE(find<QWidget>("txtMinEffect")->isEnabled());
    EXPECT_FALSE(find<QWidget>("txtMaxEffect")->isEnabled());
    EXPECT_TRUE(find<QWidget>("txtSpawnedWeaponEffect")->isEnabled());
    click("cmdAdd");
    EXPECT_EQ(row(3), QStringLiteral("Hit - SpawnWeaponFire - 0 - 0 - flare"));

    choose("cboEffect", "Disable");
    EXPECT_TRUE(find<QWidget>("txtMinEffect")->isEnabled());
    EXPECT_FALSE(find<QWidget>("txtSpawnedWeaponEffect")->isEnabled());
    EXPECT_EQ(text("txtSpawnedWeaponEffect"), QStringLiteral("flare"));
    click("cmdAdd");
    EXPECT_EQ(window.state().Results[4].sSpawnedWeaponEffect, "");
}

TEST_F(ResultsEditorTest, RowClickShowsTheResult) {
    clickRow("lstWeaponResults", 2);
    EXPECT_EQ(find<QComboBox>("cboCondition")->currentText(), QStringLiteral("Miss"));
    EXPECT_EQ(find<QComboBox>("cboEffect")->currentText(), QStringLiteral("SpawnWeaponFire"));
    EXPECT_EQ(text("txtSpawnedWeaponEffect"), QStringLiteral("smoke - trail"));
    EXPECT_TRUE(find<QWidget>("cmdApply")->isEnabled());
    EXPECT_EQ(find<QListWidget>("lstWeaponResults")->toolTip(), row(2));

    clickRow("lstWeaponResults", 1);
    EXPECT_EQ(text("txtMinEffect"), QStringLiteral("5"));
    EXPECT_EQ(text("txtMaxEffect"), QStringLiteral("6"));
    EXPECT_EQ(text("txtSpawnedWeaponEffect"), QString());
}

TEST_F(ResultsEditorTest, ApplyKeepsTheResultsTarget) {
    clickRow("lstWeaponResults", 1);
    retype("txtMaxEffect", QStringLiteral("9"));
    click("cmdApply");
    EXPECT_EQ(row(1), QStringLiteral("Hit - Push - 5 - 9 - "));
    EXPECT_EQ(window.state().Results[1], (WeaponResult{"Hit", "Push", "Hull", 5, 9, ""}));
}

TEST_F(ResultsEditorTest, RemoveRemovesExactlyTheSelectedResult) {
    clickRow("lstWeaponResults", 0);
    click("cmdRemove");
    EXPECT_EQ(window.state().Results, (std::vector<WeaponResult>{before[1], before[2]}))
        << "targets and spawned effects of the others stay";
    EXPECT_EQ(find<QListWidget>("lstWeaponResults")->count(), 2);
    EXPECT_TRUE(find<QListWidget>("lstWeaponResults")->selectedItems().isEmpty());

    click("cmdRemove");
    EXPECT_EQ(window.state().Results.size(), 2u) << "nothing selected: nothing removed";
    click("cmdApply");
    EXPECT_EQ(window.state().Results, (std::vector<WeaponResult>{before[1], before[2]}))
        << "nothing selected: nothing applied";
}

TEST_F(ResultsEditorTest, BadNumbersAreRefusedAndChangeNothing) {
    const QString huge(400, QLatin1Char('9'));
    clickRow("lstWeaponResults", 0);
    const std::tuple<const char*, const char*, QString, QString> cases[] = {
        {"cmdAdd", "txtMinEffect", huge, "Minimum Effect: '" + huge + "' is not a number."},
        {"cmdApply", "txtMaxEffect", "", "Maximum Effect: '' is not a number."},
    };
    for (const auto& [button, field, value, message] : cases) {
        messages.texts.clear();
        retype("txtMinEffect", QStringLiteral("1"));
        retype("txtMaxEffect", QStringLiteral("2"));
        find<QLineEdit>(field)->setText(value);
        click(button);
        EXPECT_EQ(messages.texts, QStringList{message}) << button;
        EXPECT_EQ(window.state().Results, before) << button;
        EXPECT_EQ(row(0), QStringLiteral("Hit - DamageHealth - 10 - 20 - ")) << button;
    }
}

TEST_F(ResultsEditorTest, UnknownConditionIsReportedAndKeepsTheSelection) {
    QByteArray script = scriptWith("Fixed", "Bullet");
    script.replace("(NewWeaponType,\"Hit\",\"Push\"", "(NewWeaponType,\"hit\",\"Push\"");
    ASSERT_TRUE(openScript(script));
    choose("cboCondition", "Miss");
    clickRow("lstWeaponResults", 1);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Unknown condition 'hit'")});
    EXPECT_EQ(find<QComboBox>("cboCondition")->currentText(), QStringLiteral("Miss"));
}

} // namespace
} // namespace wepn
