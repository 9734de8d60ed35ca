#include "cli_fixture.h"

#include <nlohmann/json.hpp>

namespace wepn::test {
namespace {

using nlohmann::json;

// Every value of the weapon, the tables with a row for each family of the list.
TEST_F(CliTest, DumpWithDataPrintsTheWholeWeapon) {
    const ToolRun result = run({"dump", "--data", dataDir(), write("w.wepn", kWeapon)});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json::parse(fixture("weapon.json")));
}

TEST_F(CliTest, DumpWithoutDataConvertsLatin1TextsToUtf8) {
    std::string weapon = kWeapon;
    weapon.replace(weapon.find("gun_fx"), 6, "caf\xe9");
    weapon += "\xbfQu\xe9?\r\n";
    const ToolRun result = run({"dump", write("w.wepn", weapon)});
    ASSERT_EQ(result.code, 0) << result.err;
    const json dump = json::parse(result.out);
    EXPECT_EQ(dump.at("sWeaponFireName"), "caf\u00e9");
    EXPECT_EQ(dump.at("unrecognisedLines").at(1).at("text"), "\u00bfQu\u00e9?");
    EXPECT_EQ(dump.at("Penetration").at("sFamilies"), json({"Fighter", "Capital"}))
        << "without a family list the tables are as the file names them";
}

} // namespace
} // namespace wepn::test
