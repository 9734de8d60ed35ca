#include "desk_test_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace wepn::test {
namespace {

// tests/data/sheet/desk/expected: each file of the folder as the desk loads
// it with the sample data directory's checks and the game's: the line and
// reason it failed, or each problem found.
TEST(DeskFolder, LoadsEveryFileWithItsFailureOrProblems) {
    const std::string folder = std::string(WEPN_TEST_DATA_DIR) + "/sheet/desk";
    const DeskChecks checks = readDeskChecks(std::string(WEPN_EXAMPLES_DIR), true).value();
    std::string text;
    for (const std::string& file : weaponFileNames(folder)) {
        const DeskWeapon weapon = loadDeskWeapon(file, file.substr(folder.size() + 1), checks);
        text += weapon.named + ": " + weapon.source + "\n";
        if (weapon.failed()) {
            text += "  failed at line " + std::to_string(weapon.failure->line) + ": " +
                    weapon.failure->message + "\n";
        }
        for (const std::string& problem : weapon.problems) {
            text += "  " + problem + "\n";
        }
        EXPECT_EQ(weapon.changed(), false) << file;
    }
    EXPECT_EQ(text, readFile(folder + "/expected"));
}

} // namespace
} // namespace wepn::test
