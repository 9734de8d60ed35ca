#include "editor_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

namespace wepn {
namespace {

// The fixture's results: Hit - DamageHealth (Target), Hit - Push (Hull),
// Miss - SpawnWeaponFire. Families of the sample list: armour Fighter (row 0)
// .., attack SmallCraft (row 0), Corvette, Frigate (row 2) ...
class ListsTest : public EditorTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet")));
        before = window.state();
    }
    void choose(QComboBox* box, const char* row) {
        box->setCurrentIndex(box->findText(QString::fromLatin1(row)));
    }
    QString row(QListWidget* list, int i) { return list->item(i)->text(); }

    WeaponState before;
};

TEST_F(ListsTest, AddAppendsAResultBuiltFromTheFields) {
    const ResultControls& r = c().results;
    choose(r.condition, "Miss");
    choose(r.effect, "Push");
    r.minimum.edit->clear();
    retype(r.maximum.edit, QStringLiteral("5"));
    click(r.add);
    EXPECT_EQ(r.minimum.edit->text(), QStringLiteral("0"));
    EXPECT_EQ(row(r.list, 3), QStringLiteral("Miss - Push - 0 - 5 - "));
    ASSERT_EQ(window.state().Results.size(), 4u);
    EXPECT_EQ(window.state().Results[3], (WeaponResult{"Miss", "Push", "Target", 0, 5, ""}));

    r.spawned.edit->setText(QStringLiteral("flare"));
    choose(r.effect, "SpawnWeaponFire");
    EXPECT_EQ(r.minimum.edit->text(), QStringLiteral("0"));
    EXPECT_FALSE(r.minimum.edit->isEnabled());
    EXPECT_FALSE(r.maximum.edit->isEnabled());
    EXPECT_TRUE(r.spawned.edit->isEnabled());
    click(r.add);
    EXPECT_EQ(row(r.list, 4), QStringLiteral("Miss - SpawnWeaponFire - 0 - 0 - flare"));
    choose(r.effect, "Disable");
    EXPECT_TRUE(r.minimum.edit->isEnabled());
    EXPECT_FALSE(r.spawned.edit->isEnabled());
    EXPECT_EQ(r.spawned.edit->text(), QStringLiteral("flare"));
    click(r.add);
    EXPECT_EQ(window.state().Results[5].sSpawnedWeaponEffect, "") << "only a spawn keeps it";
}

TEST_F(ListsTest, RowClickShowsTheResultAndApplyKeepsItsTarget) {
    const ResultControls& r = c().results;
    clickRow(r.list, 2);
    EXPECT_EQ(r.condition->currentText(), QStringLiteral("Miss"));
    EXPECT_EQ(r.effect->currentText(), QStringLiteral("SpawnWeaponFire"));
    EXPECT_EQ(r.spawned.edit->text(), QStringLiteral("smoke - trail"));
    EXPECT_TRUE(r.apply->isEnabled());
    EXPECT_EQ(r.list->toolTip(), row(r.list, 2));

    clickRow(r.list, 1);
    EXPECT_EQ(r.minimum.edit->text(), QStringLiteral("5"));
    EXPECT_EQ(r.maximum.edit->text(), QStringLiteral("6"));
    EXPECT_EQ(r.spawned.edit->text(), QString());
    retype(r.maximum.edit, QStringLiteral("9"));
    click(r.apply);
    EXPECT_EQ(row(r.list, 1), QStringLiteral("Hit - Push - 5 - 9 - "));
    EXPECT_EQ(window.state().Results[1], (WeaponResult{"Hit", "Push", "Hull", 5, 9, ""}));
    click(r.apply);
    EXPECT_EQ(window.history().count(), 1) << "applying the same values is no change";
}

TEST_F(ListsTest, RemoveRemovesExactlyTheSelectedResult) {
    const ResultControls& r = c().results;
    clickRow(r.list, 0);
    click(r.remove);
    const std::vector<WeaponResult> left{before.Results[1], before.Results[2]};
    EXPECT_EQ(window.state().Results, left) << "targets and spawned effects of the others stay";
    EXPECT_EQ(r.list->count(), 2);
    EXPECT_TRUE(r.list->selectedItems().isEmpty());
    click(r.remove);
    click(r.apply);
    EXPECT_EQ(window.state().Results, left) << "nothing selected: nothing removed or applied";
}

TEST_F(ListsTest, BadValuesAreRefusedAndChangeNothing) {
    const ResultControls& r = c().results;
    const FamilyControls& f = c().families;
    const QString huge(400, QLatin1Char('9'));
    const std::tuple<QListWidget*, QLineEdit*, QPushButton*, QString, QString> cases[] = {
        {r.list, r.minimum.edit, r.add, huge, "Minimum Effect: '" + huge + "' is not a number."},
        {r.list, r.maximum.edit, r.apply, "", "Maximum Effect: '' is not a number."},
        {f.penetrationList, f.penetration, f.penetrationApply, "",
         "Penetration Value: '' is not a number."},
        {f.accuracyList, f.accuracy, f.accuracyApply, "0,5",
         "Accuracy Value: '0,5' is not a number."},
        {f.accuracyList, f.accuracy, f.accuracyApply, "1.5",
         "Accuracy must be a value between 1 and 0."},
        {f.accuracyList, f.accuracy, f.accuracyApply, "-0.5",
         "Accuracy must be a value between 1 and 0."},
    };
    for (const auto& [list, box, button, value, message] : cases) {
        messages.texts.clear();
        clickRow(list, 1);
        r.minimum.edit->setText(QStringLiteral("1"));
        r.maximum.edit->setText(QStringLiteral("2"));
        const QStringList rowsBefore = rows(list);
        box->setText(value);
        click(button);
        EXPECT_EQ(messages.texts.join('|').toStdString(), message.toStdString());
        EXPECT_EQ(rows(list), rowsBefore) << value.toStdString();
        if (message.startsWith("Accuracy must")) {
            EXPECT_EQ(box->text(), QStringLiteral("1")) << value.toStdString();
        }
    }
    EXPECT_EQ(window.state(), before);
    EXPECT_EQ(window.history().count(), 0);
}

TEST_F(ListsTest, FamilyApplyStoresTheTypedValue) {
    const FamilyControls& f = c().families;
    clickRow(f.penetrationList, 0);
    EXPECT_EQ(f.penetration->text(), QStringLiteral("0.75"));
    retype(f.penetration, QStringLiteral("007"));
    click(f.penetrationApply);
    EXPECT_EQ(row(f.penetrationList, 0), QStringLiteral("Fighter - 007"));
    EXPECT_EQ(window.state().Penetration.fValues[0], 7.0);

    clickRow(f.accuracyList, 0);
    EXPECT_EQ(f.accuracy->text(), QStringLiteral("0.25"));
    EXPECT_TRUE(f.alwaysDamage->isChecked()) << "damage field 1";
    clickRow(f.accuracyList, 2);
    EXPECT_FALSE(f.alwaysDamage->isChecked()) << "damage field 0";
    const std::tuple<const char*, bool, const char*> accepted[] = {
        {"0.75", true, "Frigate - 0.75 - 1"},
        {"0", false, "Frigate - 0 - 0"},
        {"1", true, "Frigate - 1 - 1"}};
    for (const auto& [value, damage, expectedRow] : accepted) {
        retype(f.accuracy, QString::fromLatin1(value));
        f.alwaysDamage->setChecked(damage);
        click(f.accuracyApply);
        EXPECT_EQ(row(f.accuracyList, 2).toStdString(), expectedRow) << value;
        EXPECT_EQ(window.state().Accuracy.fValues[2], std::stod(value)) << value;
        EXPECT_EQ(window.state().Accuracy.iAlwaysDamage[2], damage ? 1 : 0) << value;
    }
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(ListsTest, ApplyWithoutSelectedRowDoesNothing) {
    retype(c().families.penetration, QStringLiteral("3"));
    click(c().families.penetrationApply);
    retype(c().families.accuracy, QStringLiteral("0.5"));
    click(c().families.accuracyApply);
    EXPECT_EQ(window.state(), before);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(ListsTest, UnknownConditionIsReportedAndKeepsTheSelection) {
    QByteArray script = scriptWith("Fixed", "Bullet");
    script.replace("(NewWeaponType,\"Hit\",\"Push\"", "(NewWeaponType,\"hit\",\"Push\"");
    ASSERT_TRUE(openScript(script));
    choose(c().results.condition, "Miss");
    clickRow(c().results.list, 1);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Unknown condition 'hit'")});
    EXPECT_EQ(c().results.condition->currentText(), QStringLiteral("Miss"));
}

} // namespace
} // namespace wepn
