#include "game/editor_reading.h"
#include "game/game_differences.h"
#include "game/game_script.h"

#include <gtest/gtest.h>

namespace wepn::game {
namespace {

// A weapon the game and the editor read alike. Its statements stand on
// lines 2 to 10.
const std::string kWeapon =
    "-- test weapon\r\n"
    "StartWeaponConfig(NewWeaponType,\"Turret\",\"Bullet\",\"gun_fx\",\"Normal\",2500,3000,0,0,0,"
    "0,4,1,0,0.5,2,1,0,0,90,45,1,\"Full\",0,0,100)\r\n"
    "AddWeaponResult(NewWeaponType,\"Hit\",\"DamageHealth\",\"Target\",10,20,\"\")\r\n"
    "setAngles(NewWeaponType,10,1,2,3,4)\r\n"
    "setPenetration(NewWeaponType,50,0.5,\r\n"
    "{Fighter=0.25,},\r\n"
    "{Capital=1,})\r\n"
    "setAccuracy(NewWeaponType,1,\r\n"
    "{SmallCraft=0.75,},\r\n"
    "{BigShips=1, damage=1,})\r\n";

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(GameDifferences, NamesEveryValueTheGameReceivesOtherwise) {
    const struct {
        const char* name;
        std::string script;
        std::vector<std::string> differences;
    } cases[] = {
        {"read alike", kWeapon, {}},
        {"damage=0 is no damage part",
         replaced(kWeapon, "{SmallCraft=0.75,}", "{SmallCraft=0.75, damage=0}"),
         {}},
        {"a whole number field holding a fraction",
         replaced(kWeapon, "0,4,1,0,0.5", "0.5,4,1,0,0.5"),
         {"argument 10 of StartWeaponConfig (iWeaponFireAxis) (line 2): the game receives 0.5, "
          "the editor shows 0"}},
        {"an escape in a quoted value",
         replaced(kWeapon, "gun_fx", "gun\\tfx"),
         {"argument 3 of StartWeaponConfig (sWeaponFireName) (line 2): the game receives "
          "\"gun\tfx\", the editor shows \"gun\\tfx\""}},
        {"another weapon identifier",
         replaced(kWeapon, "StartWeaponConfig(NewWeaponType", "StartWeaponConfig(Other"),
         {"argument 0 of StartWeaponConfig (line 2): the game receives nil, the editor shows "
          "NewWeaponType"}},
        {"a spawned effect the editor does not read",
         replaced(kWeapon, "10,20,\"\")", "10,20,\"flak\")"),
         {"impact result 1, argument 6 of AddWeaponResult (sSpawnedWeaponEffect) (line 3): the "
          "game receives \"flak\", the editor shows \"\""}},
        {"a result Lua never calls",
         kWeapon + "if false then "
                   "AddWeaponResult(NewWeaponType,\"Miss\",\"Push\",\"Target\",1,2,\"\") end\r\n",
         {"AddWeaponResult: the game receives 1 call, the editor shows 2 impact results"}},
        {"an extra argument",
         replaced(kWeapon, "10,1,2,3,4)", "10,1,2,3,4,5)"),
         {"argument 6 of setAngles (line 4): the game receives 5, the editor shows nothing"}},
        {"no setAngles call",
         replaced(kWeapon, "setAngles(NewWeaponType,10,1,2,3,4)", "x = 1"),
         {"setAngles: the game receives no call, the editor shows setAngles(NewWeaponType, 0, 0, "
          "0, 0, 0)"}},
        {"a statement behind a blank and \"--\"",
         kWeapon + " --setMiscValues(NewWeaponType,1,2)\r\n",
         {"setMiscValues: the game receives no call, the editor shows "
          "setMiscValues(NewWeaponType, 1, 2)"}},
        {"the game takes the last table call, the editor the first",
         kWeapon + "setPenetration(NewWeaponType,7,0.5,{Fighter=0.25},{Capital=2})\r\n",
         {"argument 1 of setPenetration (iFieldPenetration) (line 11): the game receives 7, the "
          "editor shows 50",
          "family 2 of setPenetration (line 11) (Capital): the game receives 2, the editor shows "
          "1"}},
        {"a family key Lua reads as another name",
         replaced(kWeapon, "{Fighter=0.25,}", "{[\"Fighter\"]=0.25,}"),
         {"family 1 of setPenetration (line 5): the game reads the family name Fighter, the "
          "editor reads the family name [\"Fighter\"]"}},
        {"a family key Lua reads as no name",
         replaced(kWeapon, "{SmallCraft=0.75,}", "{[1]=0.75,}"),
         {"family 1 of setAccuracy (line 8): the game reads no family name but the key 1, the "
          "editor reads the family name [1]"}},
        {"a damage part Lua reads otherwise",
         replaced(kWeapon, "damage=1,}", "damage=1.4,}"),
         {"family 2 of setAccuracy (line 8) (BigShips): the game receives damage=1.4, the "
          "editor shows damage 1"}},
        {"a family only the editor reads",
         replaced(kWeapon, "{Capital=1,})", "{Capital=1,},\r\n -- {Frigate=2,},\r\n{Utility=3})"),
         {"setPenetration (line 5): the game receives 3 family tables, the editor shows 4 families",
          "family 3 of setPenetration (line 5): the game reads the family name Utility, the editor "
          "reads the family name Frigate",
          "family 3 of setPenetration (line 5) (Frigate): the game receives 3, the editor shows "
          "2"}},
    };
    for (const auto& c : cases) {
        const auto state = editorReading(c.script, std::nullopt);
        const auto calls = runAsGame(c.script);
        if (!state.ok() || !calls.ok()) {
            ADD_FAILURE() << c.name << ": " << (state.ok() ? "" : state.error().reason)
                          << (calls.ok() ? "" : calls.error().message);
            continue;
        }
        EXPECT_EQ(gameDifferences(*state, *calls), c.differences) << c.name;
    }
}

} // namespace
} // namespace wepn::game
