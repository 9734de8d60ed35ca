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

TEST_F(CliTest, CheckWithDataWarnsAboutWhatTheGameLacks) {
    struct Case {
        const char* from;
        const char* to;
        const char* warning; // empty: none
    };
    const Case cases[] = {
        {"", "", ""},
        {"\"gun_fx\"", "\"GUN_FX\"", ""},
        {"\"gun_fx\"", "\"rocket_fx\"", "weapon-fire effect 'rocket_fx' has no folder"},
        {"\"Hit\"", "\"hit\"", "impact result 1: the condition 'hit' is not one the window offers"},
        {"\"SpawnWeaponFire\",\"Target\",0,0,\"flak\"", "\"Explode\",\"Target\",0,0,\"\"",
         "impact result 2: the effect 'Explode' is not one the window offers"},
        {"Capital=1", "Frigate=1", "Frigate"},
    };
    write("Data/Scripts/Weaponfire/gun_fx/fx.lua", "");
    write("Data/Scripts/Weaponfire/rocket_fx", "a file, not a folder");
    for (const Case& c : cases) {
        const std::string file =
            write("w.wepn", *c.from ? replaced(kWeapon, c.from, c.to) : kWeapon);
        const ToolRun check = run({"check", "--data", dataDir(), file});
        const ToolRun strict = run({"check", "--data", dataDir(), "--strict", file});
        const ToolRun plain = run({"check", file});
        const std::string warning = *c.warning ? file + ": warning: " : "";
        EXPECT_EQ(check.code, 0) << c.to << ": " << check.err;
        EXPECT_EQ(check.out, file + ": ok\n") << c.to;
        EXPECT_EQ(check.err.rfind(warning, 0), 0u) << c.to << ": " << check.err;
        EXPECT_NE(check.err.find(c.warning), std::string::npos) << c.to << ": " << check.err;
        EXPECT_EQ(strict.code, *c.warning ? 1 : 0) << c.to;
        std::string failed = check.err;
        if (*c.warning) {
            failed.replace(file.size() + 2, 7, "error"); // --strict names a failure as such
        }
        EXPECT_EQ(strict.err, failed) << c.to;
        EXPECT_EQ(plain.err, "") << c.to << ": without --data nothing is checked against data";
    }
}

} // namespace
} // namespace wepn::test
