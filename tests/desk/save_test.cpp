#include "desk/desk_edit_command.h"
#include "desk/desk_saving.h"
#include "desk_fixture.h"

#include <fstream>

namespace wepn {
namespace {

class SaveTest : public DeskTest {
  protected:
    void edit(const QString& file, const char* columnName, const char* after) {
        history.push(new DeskEditCommand(model, QStringLiteral("Edit"),
                                         {{row(file), columnName, "", after}}));
    }
    std::string onDisk(const QString& file) const {
        return test::readFile(weaponDir + "/" + file.toStdString());
    }
};

// One weapon saves, one was changed on disk and is skipped, one holds a
// value its file cannot take and stays changed with the reason.
TEST_F(SaveTest, SaveAllReportsEachFile) {
    const QString saved = QStringLiteral("ion_lance.wepn");
    const QString outside = QStringLiteral("rail_driver.wepn");
    const QString refused = QStringLiteral("seeker_missile.wepn");
    edit(saved, "fWeaponFireRange", "5000");
    edit(outside, "fWeaponFireRange", "5000");
    edit(refused, "sWeaponFireName", "trail\\blue");
    const std::string otherBytes = onDisk(outside) + "-- changed elsewhere\r\n";
    std::ofstream(weaponDir + "/" + outside.toStdString(), std::ios::binary) << otherBytes;
    const std::string refusedBytes = onDisk(refused);

    messages.choice = 1; // Skip
    const DeskSaving::Report report = DeskSaving::saveAll(&view, model, &messages);
    EXPECT_EQ(report.saved, QStringList{QStringLiteral("Weapon/ion_lance.wepn")});
    EXPECT_EQ(report.skipped,
              QStringList{QStringLiteral("Weapon/rail_driver.wepn: changed on disk")});
    ASSERT_EQ(report.refused.size(), 1);
    EXPECT_TRUE(report.refused[0].contains(QStringLiteral("seeker_missile.wepn")));
    EXPECT_NE(onDisk(saved).find("5000"), std::string::npos);
    EXPECT_EQ(onDisk(outside), otherBytes);
    EXPECT_EQ(onDisk(refused), refusedBytes);
    EXPECT_EQ(model.changedCount(), 2); // the skipped and the refused
    EXPECT_TRUE(model.cell(row(refused), model.columnCount() - 1)
                    .startsWith(QStringLiteral("not saved: ")));

    DeskSaving::revertRows(model, history, {});
    EXPECT_EQ(history.undoText(), QStringLiteral("Revert 2 weapons"));
    EXPECT_EQ(model.changedCount(), 0);
    EXPECT_TRUE(model.weapon(row(refused)).refused.empty());
    history.undo();
    EXPECT_EQ(model.changedCount(), 2);
    EXPECT_FALSE(model.weapon(row(refused)).refused.empty());
}

// Overwrite writes over the file changed on disk; Cancel leaves it and
// every later weapon unsaved.
TEST_F(SaveTest, AFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo) {
    for (const qsizetype answer : {2, 0}) {
        const QString file = QStringLiteral("rail_driver.wepn");
        edit(file, "fWeaponFireRange", answer == 0 ? "5000" : "6000");
        edit(QStringLiteral("seeker_missile.wepn"), "fWeaponFireRange", "5500");
        const std::string outside = onDisk(file) + "\r\n";
        std::ofstream(weaponDir + "/" + file.toStdString(), std::ios::binary) << outside;
        messages.choice = answer;
        const DeskSaving::Report report = DeskSaving::saveAll(&view, model, &messages);
        EXPECT_EQ(report.cancelled, answer == 2);
        EXPECT_EQ(report.saved.size(), answer == 0 ? 2 : 0);
        EXPECT_EQ(onDisk(file).find("5000") != std::string::npos, answer == 0);
    }
}

TEST_F(SaveTest, ClosingWithUnsavedWeaponsAsksAsTheMainWindowDoes) {
    EXPECT_TRUE(DeskSaving::confirmClose(&view, model, &messages));
    EXPECT_TRUE(messages.texts.isEmpty());
    edit(QStringLiteral("ion_lance.wepn"), "fWeaponFireRange", "5000");
    edit(QStringLiteral("rail_driver.wepn"), "fWeaponFireRange", "5000");
    for (const auto& [answer, closes] : {std::pair{2, false}, {1, true}, {0, true}}) {
        messages.choice = answer;
        messages.texts.clear();
        EXPECT_EQ(DeskSaving::confirmClose(&view, model, &messages), closes) << answer;
        EXPECT_EQ(messages.texts.value(0), QStringLiteral("Save changes to 2 weapons?"));
    }
    EXPECT_EQ(model.changedCount(), 0);
}

} // namespace
} // namespace wepn
