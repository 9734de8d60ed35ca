#include "sheet/desk_export.h"
#include "sheet/desk_folder.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace wepn::test {
namespace {

// The sample weapons on a desk whose folder is the sample data directory.
std::vector<DeskWeapon> dataDesk() {
    const std::string data = WEPN_EXAMPLES_DIR;
    const DeskChecks checks = readDeskChecks(data, false).value();
    std::vector<DeskWeapon> weapons;
    for (const std::string& file : weaponFileNames(data + "/Weapon")) {
        weapons.push_back(loadDeskWeapon(file, file.substr(data.size() + 1), checks));
    }
    return weapons;
}

// The desk exports the bytes `wepn table` writes for the same folder.
TEST(DeskExport, WritesTheTableOfWepnTable) {
    const std::vector<DeskWeapon> weapons = dataDesk();
    std::vector<const DeskWeapon*> rows;
    for (const DeskWeapon& weapon : weapons) {
        rows.push_back(&weapon);
    }
    for (const auto& [format, delimiter] : {std::pair{"csv", ','}, std::pair{"tsv", '\t'}}) {
        const ToolRun run = runWepnExecutable({"table", "--data", WEPN_EXAMPLES_DIR, "--format",
                                               format, WEPN_EXAMPLES_DIR "/Weapon"});
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(deskDelimitedBytes(rows, delimiter), run.out) << format;
    }
}

// tests/data/sheet/import: table.csv applied to the sample desk as a
// preview, each row's changes or problems as `expected` holds them.
TEST(DeskExport, PreviewsAnImportedTableWithApplysRules) {
    const std::string dir = std::string(WEPN_TEST_DATA_DIR) + "/sheet/import/";
    const std::vector<DeskWeapon> weapons = dataDesk();
    const TableFile table = readTableFile(readFile(dir + "table.csv")).value();
    std::string text;
    for (const ImportPreviewRow& row :
         importTablePreview(table, weapons, WEPN_EXAMPLES_DIR, true)) {
        text += std::to_string(row.line) + " " + row.shown + "\n";
        for (const EditChange& change : row.changes) {
            text += "  " + change.name + " " + change.before + " -> " + change.after + "\n";
        }
        for (const auto& [column, value] : row.cells) {
            text += "  set " + column + " " + value + "\n";
        }
        for (const std::string& problem : row.problems) {
            text += "  problem: " + problem + "\n";
        }
    }
    EXPECT_EQ(text, readFile(dir + "expected"));
    for (const DeskWeapon& weapon : weapons) {
        EXPECT_FALSE(weapon.changed()) << weapon.named;
    }
}

} // namespace
} // namespace wepn::test
