#include "cli_fixture.h"
#include "model/fields.h"

#include <nlohmann/json.hpp>

namespace wepn::test {
namespace {

using nlohmann::json;

struct Expectation {
    const char* pointer;
    json value;
};

void expectValues(const json& dump, const std::vector<Expectation>& expectations,
                  const char* what) {
    for (const Expectation& e : expectations) {
        const json::json_pointer pointer(e.pointer);
        ASSERT_TRUE(dump.contains(pointer)) << what << ": " << e.pointer;
        EXPECT_EQ(dump.at(pointer), e.value) << what << ": " << e.pointer;
    }
}

TEST_F(CliTest, DumpWithDataPresentsTheTablesByFamilyRow) {
    const ToolRun result = run({"dump", "--data", dataDir(), write("w.wepn", kWeapon)});
    ASSERT_EQ(result.code, 0) << result.err;
    const json dump = json::parse(result.out);
    for (const ScalarField& field : scalarFields()) {
        EXPECT_TRUE(dump.contains(std::string(field.name))) << field.name;
    }
    expectValues(
        dump,
        {{"/sWeaponName", "NewWeaponType"},
         {"/sActivation", "Normal"},
         {"/fWeaponFireRange", 3000.0},
         {"/fFireTime", 0.5},
         {"/iMaxEffectsSpawned", 4},
         {"/iInstantHitThreshold", 100},
         {"/fDownRot", 3.0},
         {"/fUpRot", 4.0},
         {"/iFieldPenetration", 50},
         {"/iLeadingValue", 1},
         {"/bTurretProperties", true},
         {"/Results/0",
          {{"sCondition", "Hit"},
           {"sEffect", "DamageHealth"},
           {"sTarget", "Target"},
           {"fMinEffect", 10.0},
           {"fMaxEffect", 20.0},
           {"sSpawnedWeaponEffect", ""}}},
         {"/Penetration/fDefaultPenetration", 0.5},
         {"/Penetration/sFamilies", {"Fighter", "Corvette", "Capital"}},
         {"/Penetration/fValues", {0.25, 0.5, 1.0}},
         {"/Accuracy/sFamilies", {"SmallCraft", "BigShips"}},
         {"/Accuracy/fValues", {0.75, 1.0}},
         {"/Accuracy/iAlwaysDamage", {0, 1}},
         {"/unrecognisedLines",
          json::array({{{"line", 13}, {"text", "setWeaponSound(NewWeaponType,\"bang\")"}}})}},
        "with --data");
}

TEST_F(CliTest, DumpWithoutDataShowsTheTablesAsTheFileNamesThem) {
    const ToolRun result = run({"dump", write("w.wepn", kWeapon)});
    ASSERT_EQ(result.code, 0) << result.err;
    expectValues(json::parse(result.out),
                 {{"/Penetration/sFamilies", {"Fighter", "Capital"}},
                  {"/Penetration/fValues", {0.25, 1.0}},
                  {"/Accuracy/sFamilies", {"SmallCraft", "BigShips"}},
                  {"/Accuracy/iAlwaysDamage", {0, 1}}},
                 "without --data");
}

TEST_F(CliTest, DumpConvertsLatin1TextsToUtf8) {
    std::string weapon = kWeapon;
    weapon.replace(weapon.find("gun_fx"), 6, "caf\xe9");
    weapon += "\xbfQu\xe9?\r\n";
    const ToolRun result = run({"dump", write("w.wepn", weapon)});
    ASSERT_EQ(result.code, 0) << result.err;
    expectValues(
        json::parse(result.out),
        {{"/sWeaponFireName", "caf\u00e9"}, {"/unrecognisedLines/1/text", "\u00bfQu\u00e9?"}},
        "Latin-1");
}

} // namespace
} // namespace wepn::test
