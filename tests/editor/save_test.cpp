#include "editor_fixture.h"
#include "model/script_writer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace wepn {
namespace {

const QString kSaveFailed = QStringLiteral(
    "Save failed, please inform Brenn and post your *.wepn file in the Korvex thread.");

class SaveTest : public EditorTest {
  protected:
    void SetUp() override {
        window.setFileWriter([this](const QString& path, std::string_view bytes) {
            writes.emplace_back(path, std::string(bytes));
            return failure;
        });
        ASSERT_TRUE(openScript(scriptWith("AnimatedTurret", "Bullet"), "/Data/Weapon/a.wepn"));
    }

    std::vector<std::pair<QString, std::string>> writes;
    std::optional<QString> failure;
};

TEST_F(SaveTest, SavedScriptReadsBackAsTheEditedWeapon) {
    retype(edit("fWeaponFireRange"), QStringLiteral(" 12.5 "));
    retype(edit("iMaxEffectsSpawned"), QStringLiteral("3.5"));
    retype(edit("fDownRot"), QStringLiteral("-.5"));
    QTest::keyClicks(field("iCheckLineOfFire"), QStringLiteral("Y"));
    retype(edit("sWeaponFireName"), QStringLiteral("not_listed"));
    ASSERT_TRUE(window.saveFile(QStringLiteral("/Data/Weapon/back\\slash.wepn")));

    const VyrWeapon& saved = window.state().CurrentWeapon;
    EXPECT_EQ(saved.fWeaponFireRange, 12.5);
    EXPECT_EQ(saved.iMaxEffectsSpawned, 4);
    EXPECT_EQ(saved.iCheckLineOfFire, 1);
    EXPECT_EQ(saved.sWeaponFireName, "not_listed");
    EXPECT_EQ(window.state().fDownRot, -0.5);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].first, QStringLiteral("/Data/Weapon/back\\slash.wepn"));
    const Expected<std::string, WriteError> expected = writeWeaponScript(window.state());
    ASSERT_TRUE(expected.ok());
    EXPECT_EQ(writes[0].second, *expected);
    EXPECT_EQ(messages.texts.last(),
              QStringLiteral("Successfully saved to '/Data/Weapon/back\\slash.wepn'"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vyr Weapon Editor v1.4 - back\\slash.wepn[*]"));
}

TEST_F(SaveTest, WriteFailureIsReported) {
    failure = QStringLiteral("No space left on device");
    EXPECT_FALSE(window.saveFile(QStringLiteral("/full/disk/c.wepn")));
    EXPECT_EQ(messages.texts, QStringList{kSaveFailed + "\nNo space left on device"});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vyr Weapon Editor v1.4 - a.wepn[*]"))
        << "a failed save keeps the window's file";
    EXPECT_EQ(window.filePath(), QStringLiteral("/Data/Weapon/a.wepn"));
}

// A value the writer refuses that the window shows in no field of its own is
// named as the writer names it.
TEST_F(SaveTest, TextTheWriterRefusesIsNamed) {
    c().results.effect->setCurrentIndex(3); // SpawnWeaponFire
    c().results.spawned.edit->setText(QStringLiteral("a\"b"));
    click(c().results.add);
    EXPECT_FALSE(window.saveFile(QStringLiteral("out.wepn")));
    EXPECT_EQ(messages.texts.last(), kSaveFailed +
                                         "\nsSpawnedWeaponEffect of impact result 4 a "
                                         "double quote cannot be saved inside a quoted value");
    EXPECT_TRUE(writes.empty());
}

// A changed table that a later statement of the file sets again: Save asks
// whether to keep that statement (the safe answer) or to remove it.
TEST_F(SaveTest, AsksWhetherToKeepATableTheFileSetsAgain) {
    const QByteArray later = "setPenetration(NewWeaponType,9,9,\r\n{Fighter=9,})\r\n";
    for (const qsizetype choice : {qsizetype(-1), qsizetype(0)}) {
        ASSERT_TRUE(openScript(scriptWith("AnimatedTurret", "Bullet") + later));
        retype(edit("fDefaultPenetration"), QStringLiteral("0.75"));
        messages.choice = choice;
        writes.clear();
        ASSERT_TRUE(window.saveFile(QStringLiteral("out.wepn")));
        ASSERT_EQ(writes.size(), 1u);
        EXPECT_EQ(writes[0].second.find("setPenetration(NewWeaponType,9,9,") != std::string::npos,
                  choice != 0);
        EXPECT_TRUE(messages.texts.join('\n').contains("Remove that statement, or keep it?"));
    }
}

} // namespace
} // namespace wepn
