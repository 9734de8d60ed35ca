#include "editor_fixture.h"
#include "model/fields.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace wepn {
namespace {

TEST_F(EditorTest, IonLanceShowsEveryValue) {
    openSample(QStringLiteral("ion_lance.wepn"));
    QStringList expected;
    for (const QStringList& line : dataLines("ion_lance_shown.txt")) {
        expected << line[0];
    }
    EXPECT_EQ(form(), expected);
    EXPECT_EQ(c().weaponEffects->count(), sampleFireNames().size());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vyr Weapon Editor v1.4 - ion_lance.wepn[*]"));
    EXPECT_TRUE(window.saveAsAction()->isEnabled());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
    // Every field shows the start of its value: the burst shots
    // "0.291666666666667", not "291666666666667".
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        EXPECT_EQ(edit->cursorPosition(), 0) << edit->text().toStdString();
    }
}

// Every sample, one after another in the same window, shows its own state.
TEST_F(EditorTest, EverySampleShowsItsState) {
    const QStringList samples =
        QDir(QStringLiteral(WEPN_EXAMPLES_DIR "/Weapon")).entryList({"*.wepn"}, QDir::Files);
    ASSERT_FALSE(samples.isEmpty());
    for (const QString& sample : samples) {
        openSample(sample);
        for (const FieldBinding& binding : c().fields) {
            EXPECT_EQ(binding.shownText().toStdString(), fieldText(*binding.field, window.state()))
                << sample.toStdString() << " " << binding.field->name;
        }
        EXPECT_EQ(std::size_t(c().results.list->count()), window.state().Results.size())
            << sample.toStdString();
        EXPECT_EQ(std::size_t(c().families.penetrationList->count()),
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
    EXPECT_EQ(edit("sWeaponFireType")->text(), QStringLiteral("InstantHit"));
    EXPECT_EQ(c().results.list->count(), 3);
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

} // namespace
} // namespace wepn
