#include "cli_fixture.h"
#include "model/fields.h"

#include <sstream>

namespace wepn::test {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Each help names its arguments by what they are and shows its full usage.
TEST_F(CliTest, HelpShowsPlaceholdersUsageAndEpilogue) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {{"--help"},
         {"Usage: wepn [OPTIONS] SUBCOMMAND\n   or: wepn check [OPTIONS] [FILE...]\n",
          "or: wepn set [OPTIONS] EDIT... -- FILE...\n",
          "Exit status:", "  2  the command line is wrong", "Examples:", "$ wepn check -q "}},
        {{"check", "--help"}, {"Usage: wepn check [OPTIONS] [FILE...]", "-q,--quiet", "--files-from"}},
        {{"dump", "--help"}, {"Usage: wepn dump [OPTIONS] FILE...", "--data DIR", "--lines"}},
        {{"resave", "--help"},
         {"--data DIR REQUIRED", "Scripts/familylist.lua", "-o,--output FILE"}},
        {{"set", "--help"},
         {"Usage: wepn set [OPTIONS] EDIT... -- FILE...", "--data DIR", "-q,--quiet"}},
        {{"fields", "--help"}, {"Usage: wepn fields [OPTIONS]"}},
    };
    for (const Case& c : cases) {
        const ToolRun result = run(c.args);
        EXPECT_EQ(result.code, 0) << c.args[0];
        EXPECT_EQ(result.err, "") << c.args[0];
        EXPECT_FALSE(contains(result.out, "TEXT")) << c.args[0] << ":\n" << result.out;
        EXPECT_FALSE(contains(result.out, "\\")) << c.args[0] << ":\n" << result.out;
        for (const std::string& part : c.parts) {
            EXPECT_TRUE(contains(result.out, part)) << c.args[0] << ": " << part << "\n"
                                                    << result.out;
        }
    }
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
