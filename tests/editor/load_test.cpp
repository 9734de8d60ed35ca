#include "editor/control_table.h"
#include "editor_fixture.h"
#include "model/fields.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace wepn {
namespace {

QString shown(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    return qobject_cast<QComboBox*>(w)->currentText();
}

QStringList rows(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

TEST_F(EditorTest, IonLanceShowsEveryValue) {
    openSample(QStringLiteral("ion_lance.wepn"));
    // Each control's name and the text it shows.
    const QStringList expected =
        QStringLiteral("Value(0)=Fixed;Value(1)=InstantHit;cboWeaponEffects=ion_lance_blue;"
                       "cboActivation=Special Attack;Value(3)=0;Value(4)=4200;Value(5)=0;"
                       "Value(6)=3.5;Value(7)=0.8;cboFireAxis=Forward;Value(8)=4;"
                       "cboVelocityPredict=No;cboCheckLOF=Yes;Value(9)=12;Value(10)=3.5;"
                       "Value(11)=0.291666666666667;Value(12)=12;cboShootSecondaries=No;"
                       "cboShootSurroundings=No;Value(13)=0;Value(14)=0;Value(15)=1;"
                       "cboTrackDistantTargets=No;Value(16)=45000;txtFiringArc=3;txtLeftRot=0;"
                       "txtBarrelRecoil=0;txtFieldPenetration=25;txtDefaultPenetration=1")
            .split(QLatin1Char(';'));
    QStringList shownValues;
    for (const QString& entry : expected) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        shownValues << name + QLatin1Char('=') + shown(find<QWidget>(name.toLatin1().constData()));
    }
    EXPECT_EQ(shownValues, expected);
    EXPECT_EQ(rows(find<QListWidget>("lstWeaponResults")),
              (QStringList{"Hit - DamageHealth - 180 - 220 - ", "Hit - Disable - 4 - 6 - ",
                           "Hit - SpawnWeaponFire - 0 - 0 - plasma_burst"}));
    EXPECT_EQ(rows(find<QListWidget>("lstArmorFamilies")),
              (QStringList{"Fighter - 0.1", "Corvette - 1", "Frigate - 1.5", "Capital - 1.25",
                           "Platform - 1", "Utility - 1", "Resource - 1", "Mothership - 1.1"}));
    EXPECT_EQ(rows(find<QListWidget>("lstAccuracy")),
              (QStringList{"SmallCraft - 0.05 - 0", "Corvette - 0.2 - 0", "Frigate - 0.7 - 0",
                           "BigShips - 1 - 1", "Resource - 1 - 0", "Structure - 1 - 0"}));
    EXPECT_EQ(find<QComboBox>("cboWeaponEffects")->count(), sampleFireNames().size());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vyr Weapon Editor v1.4 - ion_lance.wepn[*]"));
    EXPECT_TRUE(window.saveAsAction()->isEnabled());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
}

// Presenting leaves every field showing the start of its value: the burst
// shots "0.291666666666667", not "291666666666667".
TEST_F(EditorTest, LongValuesShowTheirStart) {
    openSample(QStringLiteral("ion_lance.wepn"));
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        const QString name =
            edit->objectName().isEmpty() ? edit->parent()->objectName() : edit->objectName();
        EXPECT_EQ(edit->cursorPosition(), 0) << name.toStdString();
    }
}

// Enter keeps the weapon effect as typed, although a row differs only in case.
TEST_F(EditorTest, TheWeaponEffectsBoxKeepsTheTypedLetterCase) {
    openSample(QStringLiteral("ion_lance.wepn"));
    auto* combo = find<QComboBox>("cboWeaponEffects");
    ASSERT_GE(combo->findText(QStringLiteral("plasma_burst")), 0);
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("PLASMA_BURST"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->currentText(), QStringLiteral("PLASMA_BURST"));
    EXPECT_EQ(combo->count(), sampleFireNames().size()) << "nothing is added";
}

// Every sample, one after another in the same window, shows its own state.
TEST_F(EditorTest, EverySampleShowsItsState) {
    const QStringList samples =
        QDir(QStringLiteral(WEPN_EXAMPLES_DIR "/Weapon")).entryList({"*.wepn"}, QDir::Files);
    ASSERT_FALSE(samples.isEmpty());
    for (const QString& sample : samples) {
        openSample(sample);
        for (const ControlSpec& entry : controlSpecs()) {
            const ScalarField* field = findScalarField(entry.field);
            if (field == nullptr) {
                continue;
            }
            QWidget* control = find<QWidget>(entry.name);
            const QString value =
                field->storage == ChoiceStorage::Index
                    ? QString::number(qobject_cast<QComboBox*>(control)->currentIndex())
                    : shown(control);
            EXPECT_EQ(value.toStdString(), fieldText(*field, window.state()))
                << sample.toStdString() << " " << field->name;
        }
        EXPECT_EQ(std::size_t(find<QListWidget>("lstWeaponResults")->count()),
                  window.state().Results.size())
            << sample.toStdString();
        EXPECT_EQ(std::size_t(find<QListWidget>("lstArmorFamilies")->count()),
                  window.state().Penetration.fValues.size())
            << sample.toStdString();
    }
}

TEST_F(EditorTest, FailedLoadChangesNothing) {
    openSample(QStringLiteral("ion_lance.wepn"));
    const WeaponState before = window.state();
    const QString caption = window.windowTitle();
    const QByteArray broken = "-- comment\r\nStartWeaponConfig(NewWeaponType,Fixed,\"Bullet\")\r\n";
    EXPECT_FALSE(openScript(broken, QStringLiteral("/data/Weapon/broken.wepn")));

    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("'/data/Weapon/broken.wepn'")))
        << messages.texts[0].toStdString();
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Line 2")))
        << messages.texts[0].toStdString();
    EXPECT_EQ(window.state(), before);
    EXPECT_EQ(window.windowTitle(), caption);
    EXPECT_EQ(text("Value(1)"), QStringLiteral("InstantHit"));
    EXPECT_EQ(find<QListWidget>("lstWeaponResults")->count(), 3);
}

TEST_F(EditorTest, FamiliesMissingFromTheListAreReportedOnce) {
    QByteArray script = scriptWith("Fixed", "Bullet");
    script.replace("{Capital=2,})", "{Capital=2,},\r\n{Dreadnought=3,})");
    script.replace("{Frigate=0.5,})", "{Frigate=0.5,},\r\n{Drone=0.1,})");
    ASSERT_TRUE(openScript(script));
    ASSERT_EQ(messages.texts.size(), 1) << messages.texts.join('|').toStdString();
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Dreadnought")));
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Drone")));
}

// The arithmetic is the model's; the window follows both fields as they are typed.
TEST_F(EditorTest, BurstShotsFollowsFireDelayAndBurstLength) {
    openSample(QStringLiteral("ion_lance.wepn"));
    retype("Value(9)", QStringLiteral("0.5"));
    retype("Value(10)", QStringLiteral("2"));
    EXPECT_EQ(text("Value(11)"), QStringLiteral("4"));
    retype("Value(9)", QStringLiteral("0"));
    EXPECT_EQ(text("Value(11)"), QStringLiteral("4")) << "a zero delay keeps the text";
}

} // namespace
} // namespace wepn
