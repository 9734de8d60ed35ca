#include "model/load.h"
#include "model/script_lines.h"
#include "weapon_generator.h"

#include <gtest/gtest.h>

using namespace wepn;
using namespace wepn::test;

namespace {

WeaponState read(const std::string& text, const WeaponState& current = {}) {
    auto result = readWeaponScript(current, text);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().reason);
    return result.ok() ? result.value() : WeaponState{};
}

} // namespace

TEST(ScriptReader, FindsKeywordsAtEveryPositionOfALine) {
    for (std::size_t offset = 0; offset < 24; ++offset) {
        const std::string padding(offset, offset % 2 ? 's' : 'a');
        const WeaponState state = read(padding + "SeTaNgLeS(NewWeaponType,1,2,3,4,5)\r\n" +
                                       padding + "sETaNGLEz(x,9)\r\n");
        EXPECT_EQ(state.fFiringArc, 1) << "offset " << offset;
        EXPECT_EQ(state.strLines.back(), padding + "sETaNGLEz(x,9)") << "offset " << offset;
    }
}

TEST(ScriptReader, MissingStatementsKeepThePreviousValues) {
    const WeaponState first =
        read(script({kConfigLine, "setAngles(NewWeaponType,1,2,3,4,5)",
                     "setMiscValues(NewWeaponType,7,8)", "setPenetration(NewWeaponType,5,0.5,",
                     "{A=1,})", "setAccuracy(NewWeaponType,3,", "{B=1,})"}));
    const WeaponState second = read("unknown line\r\n", first);
    EXPECT_EQ(second.CurrentWeapon, first.CurrentWeapon);
    EXPECT_EQ(second.fUpRot, 5);
    EXPECT_EQ(second.fBarrelRecoil, 7);
    EXPECT_FALSE(second.bTurretProperties) << "the flag follows the file";
    EXPECT_EQ(second.Penetration.iFieldPenetration, 5);
    EXPECT_EQ(second.Penetration.fDefaultPenetration, 0.5);
    EXPECT_TRUE(second.Penetration.sFamilies.empty()) << "lists start empty";
    EXPECT_EQ(second.Accuracy.iLeadingValue, 3);
    EXPECT_TRUE(second.Accuracy.sFamilies.empty());
    EXPECT_TRUE(second.Results.empty());
}

// A table line in the usual form is read in one pass; a blank before it sends
// it through the general cutting into pieces, which must read it the same,
// errors included, for every form near the usual one.
TEST(ScriptReader, ReadsUsualTableLinesAsTheGeneralWayDoes) {
    const std::vector<std::string> entries = {
        "{A=1.5,},",     "{A=1.5},",
        "{A=1.5,})",     "{A=-2,}",
        "{A=+1e3,}",     "{A=1E+3,}",
        "{A=.5,}",       "{A=5.,}",
        "{A=1.2.3,}",    "{A=-,}",
        "{A=,}",         "{A=}",
        "{=1,}",         "{A==1,}",
        "{A=1=2,}",      "{A=1,},{B=2,}",
        "{A=1,}}",       "{A=1,,}",
        "{A=1 ,}",       "{A=1,} ,\t",
        "{A=1,});",      "{A=1,}x",
        "{A=1,)}",       "{A}=1,}",
        "{A=1",          "{Xdamage=1,}",
        "{damage=1,}",   "{A=1, damage=1,}",
        "{A\xC9=0.25,}", "{A=99999999999999999999,}",
        "{A=1e999,}",
    };
    for (const char* statement :
         {"setPenetration(NewWeaponType,5,1,", "setAccuracy(NewWeaponType,1,"}) {
        for (const std::string& entry : entries) {
            const auto text = [&](const std::string& line) {
                return script({statement, "{Z=1,},", line, "{Y=2,})"});
            };
            const auto usual = readWeaponScript({}, text(entry));
            const auto general = readWeaponScript({}, text(" " + entry));
            ASSERT_EQ(usual.ok(), general.ok()) << statement << entry;
            if (usual.ok()) {
                EXPECT_EQ(usual.value(), general.value()) << statement << entry;
            } else {
                EXPECT_EQ(usual.error().line, general.error().line) << statement << entry;
                EXPECT_EQ(usual.error().reason, general.error().reason) << statement << entry;
            }
        }
    }
}

// Limits too large for a data file; the other errors are in tests/data/model/load.
TEST(ScriptReader, ReportsTheLimitsAndShortensLongNumbers) {
    const auto reason = [](const std::string& text) {
        const auto result = readWeaponScript({}, text);
        EXPECT_FALSE(result.ok());
        return result.ok() ? ""
                           : std::to_string(result.error().line) + ": " + result.error().reason;
    };
    EXPECT_EQ(reason("setAngles(NewWeaponType," + std::string(10'000'000, '9') + ",1,2,3,4)\r\n"),
              "1: '" + std::string(60, '9') + "...' is not a number (argument 1 of setAngles)");
    EXPECT_EQ(reason(std::string(kMaxScriptLines + 1, '\n')),
              "0: the file has more than 32768 lines");
    EXPECT_EQ(reason(std::string(kMaxScriptBytes + 1, ' ')), "0: the file is larger than 16 MiB");
}

TEST(ScriptReader, AcceptsTheLargestFile) {
    const std::string text = script({kConfigLine}) + std::string(kMaxScriptLines - 1, '\n');
    EXPECT_TRUE(readWeaponScript({}, text).ok());
}
