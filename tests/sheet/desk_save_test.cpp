#include "sheet/bulk_edit.h"
#include "sheet/desk_folder.h"
#include "sheet/desk_save.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace wepn::test {
namespace {

std::string caseFile(const std::filesystem::path& dir, const char* name) {
    return std::filesystem::exists(dir / name) ? readFile((dir / name).string()) : "";
}

// tests/data/sheet/save/*: input.wepn in a data directory with the sample
// family list, loaded, one cell set as `edit` says ("COLUMN VALUE"), the file
// replaced by on_disk.wepn when the case has one, saved (overwriting a
// changed file when `overwrite` exists). `expected`: how the save ended,
// what the weapon keeps as refused, and the bytes the file then holds.
TEST(DeskSave, SavesOrRefusesAsApplyDoes) {
    const std::filesystem::path cases = std::filesystem::path(WEPN_TEST_DATA_DIR) / "sheet/save";
    const char* const kinds[] = {"saved", "unchanged", "changed on disk", "refused"};
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(cases)) {
        const std::filesystem::path& dir = entry.path();
        const TempDir temp;
        const std::string data = temp.dataDir(
            "Data", readFile(std::string(WEPN_EXAMPLES_DIR) + "/Scripts/familylist.lua"));
        const std::string file = temp.write("Data/Weapon/w.wepn", caseFile(dir, "input.wepn"));
        const DeskChecks checks = readDeskChecks(data, false).value();
        DeskWeapon weapon = loadDeskWeapon(file, "Weapon/w.wepn", checks);
        ASSERT_FALSE(weapon.failed()) << dir;
        const std::string edit = caseFile(dir, "edit");
        const std::size_t blank = edit.find(' ');
        ASSERT_TRUE(setDeskCell(weapon, edit.substr(0, blank),
                                edit.substr(blank + 1, edit.size() - blank - 2))
                        .ok())
            << dir;
        if (std::filesystem::exists(dir / "on_disk.wepn")) {
            temp.write("Data/Weapon/w.wepn", caseFile(dir, "on_disk.wepn"));
        }
        const DeskSaveResult result =
            saveDeskWeapon(weapon, std::filesystem::exists(dir / "overwrite"));
        const std::string written = readFile(file);
        std::string text = std::string(kinds[static_cast<int>(result.kind)]) + ": " +
                           result.reason + "\nrefused: " + weapon.refused + "\n" + written;
        EXPECT_EQ(text, caseFile(dir, "expected")) << dir;
        if (result.kind == DeskSaveResult::Kind::Saved) {
            const DeskWeapon again = loadDeskWeapon(file, weapon.named, checks);
            EXPECT_TRUE(again.loaded.state == weapon.loaded.state && !weapon.changed() &&
                        again.source == weapon.source && again.readAs == weapon.readAs)
                << dir << ": not marked as what is on disk";
        }
        ++count;
    }
    EXPECT_GE(count, 7u);
}

} // namespace
} // namespace wepn::test
