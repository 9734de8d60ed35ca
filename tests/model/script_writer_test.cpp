#include "model/load.h"
#include "model/script_writer.h"
#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace wepn;
using namespace wepn::test;

namespace {

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const std::filesystem::path kExamples = WEPN_EXAMPLES_DIR;
const std::filesystem::path kGolden = std::filesystem::path(WEPN_TEST_DATA_DIR) / "resaved";

std::string written(const WeaponState& state) {
    const auto bytes = writeWeaponScript(state);
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? ""
                                           : bytes.error().field + ": " + bytes.error().reason);
    return bytes.ok() ? bytes.value() : "";
}

WeaponState loaded(const std::string& text, const std::optional<FamilyRows>& rows = std::nullopt) {
    auto outcome = loadWeapon({}, rows, text);
    EXPECT_TRUE(outcome.ok()) << (outcome.ok() ? "" : outcome.error().reason);
    return outcome.ok() ? outcome->state : WeaponState{};
}

WeaponState sampleState() {
    WeaponState state;
    state.CurrentWeapon.sWeaponName = "NewWeaponType";
    state.CurrentWeapon.sWeaponType = "Fixed";
    state.CurrentWeapon.sWeaponFireType = "Bullet";
    state.CurrentWeapon.fWeaponFireSpeed = 2500;
    state.CurrentWeapon.iInstantHitThreshold = 100000;
    state.Results = {{"Hit", "DamageHealth", "Target", 10, 20, ""}};
    state.fFiringArc = 7.5;
    state.fDownRot = 4;
    state.fUpRot = 5;
    state.Penetration = {5, 0.5, {"Fighter", "Big_Ship2"}, {0.5, 1}};
    state.Accuracy = {1, {"A", "B"}, {0.25, 1}, {0, 3}};
    state.strLines = {"", "kept(1)", ""};
    return state;
}

} // namespace

// written_state.wepn is what the sample state must come out as.
TEST(ScriptWriter, WritesTheWholeScript) {
    EXPECT_EQ(written(sampleState()), fixture("written_state.wepn"));
}

// A comma in the spawned effect and an empty condition read back as written.
TEST(ScriptWriter, ResultsReadBackAsWritten) {
    WeaponState state = sampleState();
    state.Results = {{"Hit", "SpawnWeaponFire", "Target", 1, 2, "a,b"},
                     {"", "Push", "Target", 1, 2, ""},
                     {"Hit", "Push", "Target", 1, 2, ""}};
    EXPECT_EQ(loaded(written(state)).Results, state.Results);
}

TEST(ScriptWriter, RefusesTextTheFormatCannotCarry) {
    const struct {
        const char* name;
        void (*change)(WeaponState&);
        const char* field;
    } cases[] = {
        {"quote in a config text", [](WeaponState& s) { s.CurrentWeapon.sWeaponFireName = "a\"b"; },
         "sWeaponFireName"},
        {"line break in a config text",
         [](WeaponState& s) { s.CurrentWeapon.sActivation = "a\nb"; }, "sActivation"},
        {"carriage return",
         [](WeaponState& s) { s.CurrentWeapon.sWeaponShieldPenetration = "a\r"; },
         "sWeaponShieldPenetration"},
        {"quote in a result",
         [](WeaponState& s) { s.Results[0].sSpawnedWeaponEffect.assign(1, '"'); },
         "sSpawnedWeaponEffect of impact result 1"},
        {"comma in a config text", [](WeaponState& s) { s.CurrentWeapon.sWeaponFireName = "a,b"; },
         "sWeaponFireName"},
        {"comma before a result's numbers", [](WeaponState& s) { s.Results[0].sTarget = "a,b"; },
         "sTarget of impact result 1"},
        {"line break in a family", [](WeaponState& s) { s.Accuracy.sFamilies[1] = "B\n"; },
         "accuracy family B\n"},
        // The game reads quoted values as Lua strings and family names as Lua names.
        {"backslash in a config text",
         [](WeaponState& s) { s.CurrentWeapon.sWeaponFireName = "fx\\n"; }, "sWeaponFireName"},
        {"backslash in a result", [](WeaponState& s) { s.Results[0].sEffect = "a\\"; },
         "sEffect of impact result 1"},
        {"blank in a family", [](WeaponState& s) { s.Penetration.sFamilies[1] = "Big Ship"; },
         "penetration family Big Ship"},
        {"family in brackets", [](WeaponState& s) { s.Penetration.sFamilies[0] = "[\"Fighter\"]"; },
         "penetration family [\"Fighter\"]"},
        {"family starting with a digit", [](WeaponState& s) { s.Accuracy.sFamilies[0] = "1st"; },
         "accuracy family 1st"},
        {"accuracy family holding the damage word",
         [](WeaponState& s) { s.Accuracy.sFamilies[1] = "Undamaged"; },
         "accuracy family Undamaged"},
        {"family that is a Lua keyword", [](WeaponState& s) { s.Accuracy.sFamilies[0] = "end"; },
         "accuracy family end"},
        {"Latin-1 letter in a family", [](WeaponState& s) { s.Accuracy.sFamilies[0] = "Caf\xE9"; },
         "accuracy family Caf\xE9"},
        {"table shorter than its families",
         [](WeaponState& s) { s.Penetration.fValues.pop_back(); }, "Penetration"},
    };
    for (const auto& c : cases) {
        WeaponState state = sampleState();
        c.change(state);
        const auto result = writeWeaponScript(state);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.error().field, c.field) << c.name;
    }
}

TEST(ScriptWriter, ResavingSampleWeaponsMatchesGoldenFilesAndIsStable) {
    const FamilyRows rows = readFamilyList(fileBytes(kExamples / "Scripts" / "familylist.lua"));
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kExamples / "Weapon")) {
        const std::string name = entry.path().filename().string();
        const std::string once = written(loaded(fileBytes(entry.path()), rows));
        EXPECT_EQ(once, fileBytes(kGolden / name)) << name;
        EXPECT_EQ(written(loaded(once, rows)), once) << name << " resaved twice";
        ++count;
    }
    EXPECT_GE(count, 6u);
}

// Every byte from 0x80 to 0xFF, then NUL, in each text position of a weapon
// (and of the family list for the families): a load and a save keep it byte
// for byte, and a second save changes nothing.
TEST(ScriptWriter, OddBytesKeptInEveryTextPosition) {
    const struct {
        const char* name;
        std::string_view original; // the text in the fixture weapon it stands in for
        bool inFamilyList;
    } positions[] = {
        {"weapon type", "\"Turret\"", false},     {"fire type", "\"Bullet\"", false},
        {"fire name", "\"gun_fx\"", false},       {"shield penetration", "\"Full\"", false},
        {"result condition", "\"Hit\"", false},   {"result effect", "\"DamageHealth\"", false},
        {"result target", "\"Target\"", false},   {"spawned effect", "\"flak\"", false},
        {"penetration family", "Fighter", true},  {"accuracy family", "BigShips", true},
        {"unrecognised line", "\"bang\"", false},
    };
    std::string odd;
    for (int c = 0x80; c <= 0xFF; ++c) {
        odd += static_cast<char>(c);
    }
    odd += '\0';
    const auto resaved = [](const std::string& weapon, const std::string& list) {
        return written(loaded(weapon, readFamilyList(list)));
    };
    for (const auto& p : positions) {
        const auto with = [&](std::string text, std::string_view value) {
            const std::size_t at = text.find(p.original);
            const std::string quote = p.original.starts_with('"') ? "\"" : "";
            return text.replace(at, p.original.size(), quote + std::string(value) + quote);
        };
        const std::string list = fixture("familylist.lua");
        const auto listWith = [&](std::string_view value) {
            return p.inFamilyList ? with(list, value) : list;
        };
        if (p.inFamilyList) {
            // The game reads family names as Lua names: a save refuses other bytes.
            const auto state =
                loaded(with(fixture("weapon.wepn"), odd), readFamilyList(listWith(odd)));
            EXPECT_FALSE(writeWeaponScript(state).ok()) << p.name;
            continue;
        }
        const std::string marked = resaved(with(fixture("weapon.wepn"), "Qz9"), listWith("Qz9"));
        const std::size_t at = marked.find("Qz9");
        ASSERT_NE(at, std::string::npos) << p.name;
        ASSERT_EQ(marked.find("Qz9", at + 1), std::string::npos) << p.name << ": written once";
        const std::string once = resaved(with(fixture("weapon.wepn"), odd), listWith(odd));
        EXPECT_EQ(once, std::string(marked).replace(at, 3, odd)) << p.name;
        EXPECT_EQ(resaved(once, listWith(odd)), once) << p.name << ": a second save";
    }
}
