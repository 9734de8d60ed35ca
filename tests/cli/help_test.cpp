#include "cli_fixture.h"
#include "model/fields.h"

#include <sstream>

namespace wepn::test {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every name the list offers is one that `set` takes, and each field `set`
// edits is listed with its type and values.
TEST_F(CliTest, FieldsListsEveryEditableName) {
    const ToolRun names = run({"fields", "--names"});
    const ToolRun table = run({"fields"});
    ASSERT_EQ(names.code, 0);
    ASSERT_EQ(table.code, 0);
    std::istringstream lines(names.out);
    int count = 0;
    for (std::string name; std::getline(lines, name); ++count) {
        std::string edit = name + "=1";
        if (const std::size_t at = edit.find("FAMILY"); at != std::string::npos) {
            edit.replace(at, 6, "SmallCraft");
        }
        // A usage error would mean that `set` does not know the name.
        const ToolRun dry =
            run({"set", "--data", dataDir(), "--dry-run", edit, "--", write("w.wepn", kWeapon)});
        EXPECT_NE(dry.code, 2) << name << ": " << dry.err;
        EXPECT_TRUE(contains(table.out, name + " ")) << name;
    }
    EXPECT_EQ(count, static_cast<int>(scalarFields().size()) - 1 + 3)
        << "every field but sWeaponName, and the three table names";
    for (const std::string part :
         {"iUseVelocityPred", "choice  0 No, 1 Yes, or -1 or empty for none", "sWeaponType",
          "text    ", "iInstantHitThreshold", "int32   ", "accuracy.FAMILY.damage",
          "flag    0 or 1"}) {
        EXPECT_TRUE(contains(table.out, part)) << part << "\n" << table.out;
    }
    EXPECT_FALSE(contains(names.out, "sWeaponName")) << "every load resets it";
}

} // namespace
} // namespace wepn::test
