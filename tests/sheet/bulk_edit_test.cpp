#include "desk_test_support.h"
#include "model/family_index.h"
#include "sheet/bulk_edit.h"
#include "sheet/weapon_table.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace wepn::test {
namespace {

const std::map<std::string, BulkOperation> kOperations{
    {"Set", BulkOperation::Set}, {"Scale", BulkOperation::Scale}, {"Add", BulkOperation::Add}};

std::string cellOf(const DeskWeapon& weapon, const std::string& column) {
    return TableColumn::named(column)->cell(weapon.state, WeaponFamilies(weapon.state));
}

// tests/data/sheet/bulk/plans: after each "> OPERATION COLUMN OPERAND" line,
// every sample weapon's OLD -> NEW or why it refuses. Applying a plan cell by
// cell gives what it showed, and setting the old texts back gives the weapon
// exactly as loaded.
TEST(BulkEdit, PlansPreviewApplyAndUndoExactly) {
    const std::string path = std::string(WEPN_TEST_DATA_DIR) + "/sheet/bulk/plans";
    // odd_values.wepn holds numbers with more digits than a cell shows.
    std::vector<DeskWeapon> desk =
        sampleDesk({std::string(WEPN_TEST_DATA_DIR) + "/sheet/desk/b_broken.wepn",
                    std::string(WEPN_TEST_DATA_DIR) + "/sheet/bulk/odd_values.wepn"});
    std::vector<DeskWeapon*> weapons;
    for (DeskWeapon& weapon : desk) {
        weapons.push_back(&weapon);
    }
    const std::string cases = readFile(path);
    const std::string text = caseOutputs(cases, [&](const std::string& line) {
        std::istringstream words(line);
        std::string operation, column, operand;
        words >> operation >> column;
        std::getline(words >> std::ws, operand);
        const std::vector<BulkChange> plan =
            planBulkEdit(weapons, column, kOperations.at(operation), operand);
        std::string shown;
        for (const BulkChange& change : plan) {
            DeskWeapon& weapon = *weapons[change.index];
            shown +=
                weapon.named + ": " +
                (change.problem.empty() ? change.before + " -> " + change.after : change.problem) +
                "\n";
            if (!change.problem.empty()) {
                EXPECT_EQ(change.after, "") << line;
                continue;
            }
            EXPECT_TRUE(setDeskCell(weapon, column, change.after).ok()) << line;
            EXPECT_EQ(cellOf(weapon, column), change.after) << line << " " << weapon.named;
            EXPECT_EQ(weapon.changed(), change.before != change.after) << line;
            EXPECT_TRUE(setDeskCell(weapon, column, change.before).ok()) << line;
            EXPECT_TRUE(weapon.state == weapon.loaded.state && weapon.rows == weapon.loaded.rows)
                << line << " " << weapon.named << " is not as loaded after the undo";
        }
        return shown;
    });
    EXPECT_EQ(text, cases);
}

// Typing into a cell refuses what the plan refuses, and leaves the weapon as it was.
TEST(BulkEdit, TypedCellsAreRefusedWithTheReason) {
    const std::string path = std::string(WEPN_TEST_DATA_DIR) + "/sheet/bulk/typed";
    std::vector<DeskWeapon> desk = sampleDesk();
    DeskWeapon& weapon = desk.at(0);
    const std::string cases = readFile(path);
    const std::string text = caseOutputs(cases, [&](const std::string& line) {
        const std::size_t blank = line.find(' ');
        const Expected<EditChange, std::string> set =
            setDeskCell(weapon, line.substr(0, blank), line.substr(blank + 1));
        EXPECT_EQ(weapon.changed(), set.ok()) << line;
        weapon.state = weapon.loaded.state;
        weapon.rows = weapon.loaded.rows;
        return (set ? set->before + " -> " + set->after : set.error()) + "\n";
    });
    EXPECT_EQ(text, cases);
}

} // namespace
} // namespace wepn::test
