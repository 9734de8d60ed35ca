#include "desk_test_support.h"
#include "sheet/bulk_edit.h"
#include "sheet/row_filter.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace wepn::test {
namespace {

// tests/data/sheet/filter/cases: after each "> FILTER" line, the sample
// weapons it shows (flak_burst.wepn edited, the desk folder's failed and odd
// files added), or why the filter is refused.
TEST(RowFilter, ShowsTheMatchingRowsOrSaysWhatIsWrong) {
    const std::string path = std::string(WEPN_TEST_DATA_DIR) + "/sheet/filter/cases";
    const std::string desk = std::string(WEPN_TEST_DATA_DIR) + "/sheet/desk/";
    std::vector<DeskWeapon> weapons = sampleDesk({desk + "b_broken.wepn", desk + "c_odd.wepn"});
    for (DeskWeapon& weapon : weapons) {
        if (weapon.named == "flak_burst.wepn") {
            ASSERT_TRUE(setDeskCell(weapon, "fWeaponFireRange", "2500").ok());
        }
    }
    const std::string cases = readFile(path);
    const std::string text = caseOutputs(cases, [&](const std::string& line) {
        const Expected<RowFilter, std::string> filter = RowFilter::parse(line);
        if (!filter) {
            return "refused: " + filter.error() + "\n";
        }
        std::string shown;
        for (const DeskWeapon& weapon : weapons) {
            shown += filter->matches(weapon) ? weapon.named + "\n" : "";
        }
        return shown;
    });
    EXPECT_EQ(text, cases);
}

} // namespace
} // namespace wepn::test
