#include "editor_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

namespace wepn {
namespace {

// Families of the sample list: armour Fighter (row 0) .. Mothership, attack
// SmallCraft (row 0), Corvette, Frigate (row 2) ...
class FamilyEditorTest : public EditorTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet")));
        before = window.state();
    }
    QString row(const char* list, int i) { return find<QListWidget>(list)->item(i)->text(); }

    WeaponState before;
};

TEST_F(FamilyEditorTest, PenetrationApplyStoresTheTypedValue) {
    clickRow("lstArmorFamilies", 0);
    EXPECT_EQ(text("txtPenetration"), QStringLiteral("0.75"));
    retype("txtPenetration", QStringLiteral("007"));
    click("cmdPenApply");
    EXPECT_EQ(row("lstArmorFamilies", 0), QStringLiteral("Fighter - 007"));
    EXPECT_EQ(window.state().Penetration.fValues[0], 7.0);
}

TEST_F(FamilyEditorTest, AccuracyRowClickAndApply) {
    const std::tuple<const char*, bool, const char*> accepted[] = {
        {"0.75", true, "Frigate - 0.75 - 1"},
        {"0", false, "Frigate - 0 - 0"},
        {"1", true, "Frigate - 1 - 1"}};
    clickRow("lstAccuracy", 0);
    EXPECT_EQ(text("txtAccuracy"), QStringLiteral("0.25"));
    EXPECT_TRUE(find<QCheckBox>("chkAlwaysDMG")->isChecked()) << "damage field 1";
    clickRow("lstAccuracy", 2);
    EXPECT_FALSE(find<QCheckBox>("chkAlwaysDMG")->isChecked()) << "damage field 0";
    for (const auto& [value, damage, expectedRow] : accepted) {
        retype("txtAccuracy", QString::fromLatin1(value));
        find<QCheckBox>("chkAlwaysDMG")->setChecked(damage);
        click("cmdAccApply");
        EXPECT_EQ(row("lstAccuracy", 2).toStdString(), expectedRow) << value;
        EXPECT_EQ(window.state().Accuracy.fValues[2], std::stod(value)) << value;
        EXPECT_EQ(window.state().Accuracy.iAlwaysDamage[2], damage ? 1 : 0) << value;
    }
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(FamilyEditorTest, AccuracyOutsideZeroToOneIsRefused) {
    clickRow("lstAccuracy", 2);
    for (const char* value : {"1.5", "-0.5"}) {
        messages.texts.clear();
        retype("txtAccuracy", QString::fromLatin1(value));
        click("cmdAccApply");
        EXPECT_EQ(messages.texts, QStringList{"Accuracy must be a value between 1 and 0."})
            << value;
        EXPECT_EQ(text("txtAccuracy"), QStringLiteral("1")) << value;
        EXPECT_EQ(row("lstAccuracy", 2), QStringLiteral("Frigate - 0.5 - 0")) << value;
        EXPECT_EQ(window.state().Accuracy, before.Accuracy) << value;
    }
}

TEST_F(FamilyEditorTest, ValuesThatAreNoNumbersAreRefused) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"lstArmorFamilies", "txtPenetration", "cmdPenApply",
         "Penetration Value: '' is not a number."},
        {"lstAccuracy", "txtAccuracy", "cmdAccApply", "Accuracy Value: '0,5' is not a number."},
    };
    for (const auto& [list, field, button, message] : cases) {
        messages.texts.clear();
        clickRow(list, 1);
        const QString rowBefore = row(list, 1);
        find<QLineEdit>(field)->setText(QString::fromLatin1(message).section('\'', 1, 1));
        click(button);
        EXPECT_EQ(messages.texts, QStringList{QString::fromLatin1(message)}) << button;
        EXPECT_EQ(row(list, 1), rowBefore) << button;
    }
    EXPECT_EQ(window.state(), before);
}

TEST_F(FamilyEditorTest, ApplyWithoutSelectedRowDoesNothing) {
    retype("txtPenetration", QStringLiteral("3"));
    click("cmdPenApply");
    retype("txtAccuracy", QStringLiteral("0.5"));
    click("cmdAccApply");
    EXPECT_EQ(window.state(), before);
    EXPECT_TRUE(messages.texts.isEmpty());
}

} // namespace
} // namespace wepn
