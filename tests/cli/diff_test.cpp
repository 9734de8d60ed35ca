#include "cli_fixture.h"

#include <nlohmann/json.hpp>

namespace wepn::test {
namespace {

using nlohmann::json;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST_F(CliTest, DiffNamesEachKindOfDifference) {
    struct Case {
        const char* from;
        const char* to;
        const char* expected; // the whole text output
    };
    const Case cases[] = {
        {"2500,3000", "2500,3300", "fWeaponFireRange: 3000 -> 3300\n"},
        {"setAngles(NewWeaponType,10", "setAngles(NewWeaponType,12", "fFiringArc: 10 -> 12\n"},
        {"\"Target\",10,20", "\"Target\",10,25", "result 1 fMaxEffect: 20 -> 25\n"},
        {"AddWeaponResult(NewWeaponType,\"Miss\",\"SpawnWeaponFire\",\"Target\",0,0,\"flak\")\r\n",
         "", "result 2: Miss, SpawnWeaponFire, Target, 0, 0, flak -> (none)\n"},
        {"Fighter=0.25", "Fighter=0.3", "penetration.Fighter: 0.25 -> 0.3\n"},
        {"{BigShips=1, damage=1,}", "{BigShips=1,}", "accuracy.BigShips.damage: 1 -> 0\n"},
        {"{SmallCraft=0.75,}", "{SmallCraft=0.75,}, {Frigate=0.5,}",
         "accuracy.Frigate: (none) -> 0.5\naccuracy.Frigate.damage: (none) -> 0\n"},
        {"\"bang\")", "\"boom\")",
         "line 13: setWeaponSound(NewWeaponType,\"bang\") -> (none)\n"
         "line 13: (none) -> setWeaponSound(NewWeaponType,\"boom\")\n"},
    };
    const std::string a = write("a.wepn", kWeapon);
    for (const Case& c : cases) {
        const std::string b = write("b.wepn", replaced(kWeapon, c.from, c.to));
        const ToolRun diff = run({"diff", a, b});
        EXPECT_EQ(diff.code, 1) << c.to << ": " << diff.err;
        EXPECT_EQ(diff.out, c.expected) << c.to;
        const json parsed = json::parse(run({"diff", "--format", "json", a, b}).out);
        EXPECT_FALSE(parsed.at("same")) << c.to;
        EXPECT_EQ(parsed.at("differences").size(),
                  std::count(diff.out.begin(), diff.out.end(), '\n'))
            << c.to;
    }
}

TEST_F(CliTest, DiffOfTheSameWeaponAndOfAFileThatFails) {
    const std::string a = write("a.wepn", kWeapon);
    // Other number text and line ends, the same weapon.
    const std::string b =
        write("b.wepn", replaced(replaced(kWeapon, "2500,3000", "2500.0,3e3"), "\r\n", "\n"));
    EXPECT_EQ(run({"diff", "--data", dataDir(), a, b}).code, 0);
    EXPECT_EQ(json::parse(run({"diff", "--format", "json", a, b}).out).at("same"), true);
    const ToolRun missing = run({"diff", a, path("none.wepn")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.find("none.wepn: error:"), std::string::npos) << missing.err;
}

} // namespace
} // namespace wepn::test
