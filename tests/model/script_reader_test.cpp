#include "model/load.h"
#include "model/number_text.h"
#include "model/script_lines.h"
#include "script_text.h"

#include <gtest/gtest.h>

using namespace wepn;
using namespace wepn::test;

namespace {

WeaponState read(const std::string& text, const WeaponState& current = {}) {
    auto result = readWeaponScript(current, text);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().reason);
    return result.ok() ? result.value() : WeaponState{};
}

std::vector<std::string> unrecognised(const WeaponState& state) {
    std::vector<std::string> lines;
    for (const std::string& line : state.strLines) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Every byte value, so every control byte and both line-end bytes, around a
// statement whose number is binary too.
std::string binaryBytes() {
    std::string block;
    for (int c = 0; c < 256; ++c) {
        block += static_cast<char>(c);
    }
    return block + "\r\nsetAngles(NewWeaponType,\x80" + std::string(1, '\0') + "\xff,1,2,3,4)\r\n" +
           block;
}

} // namespace

TEST(ScriptReader, StoresEveryConfigArgument) {
    const WeaponState state = read(script({configLine()}));
    const VyrWeapon& w = state.CurrentWeapon;
    EXPECT_EQ(w.sWeaponType, "Fixed");
    EXPECT_EQ(w.sWeaponFireType, "Bullet");
    EXPECT_EQ(w.sWeaponFireName, "slug");
    EXPECT_EQ(w.sActivation, "Normal");
    EXPECT_EQ(w.fWeaponFireSpeed, 2500);
    EXPECT_EQ(w.fWeaponFireRange, 3000);
    EXPECT_EQ(w.iMaxEffectsSpawned, 1);
    EXPECT_EQ(w.fFireTime, 0.25);
    EXPECT_EQ(w.fBurstWaitTime, 2);
    EXPECT_EQ(w.iShootAtSecondaries, 1);
    EXPECT_EQ(w.fSpeedMultiplierWhenPointingAtTarget, 1);
    EXPECT_EQ(w.sWeaponShieldPenetration, "Normal");
    EXPECT_EQ(w.iInstantHitThreshold, 100000);
    EXPECT_EQ(state.intFileRead, 1);
}

TEST(ScriptReader, FindsStatementsByKeywordAnywhereInAnyCase) {
    const struct {
        const char* name;
        std::string line;
        bool found;
    } cases[] = {
        {"lower case", "startweaponconfig(x," + kConfigArguments + ")", true},
        {"inside a line", "x = STARTWEAPONCONFIG(x," + kConfigArguments + ")", true},
        {"comment", "--" + configLine(), false},
        {"blank before the comment marks", " --" + configLine(), true},
    };
    for (const auto& c : cases) {
        const WeaponState state = read(c.line + "\r\n");
        EXPECT_EQ(state.CurrentWeapon.sWeaponType == "Fixed", c.found) << c.name;
        EXPECT_TRUE(unrecognised(state).empty()) << c.name << ": comments are not kept";
    }
}

TEST(ScriptReader, FindsKeywordsAtEveryPositionOfALine) {
    for (std::size_t offset = 0; offset < 24; ++offset) {
        const std::string padding(offset, offset % 2 ? 's' : 'a');
        const WeaponState state = read(padding + "SeTaNgLeS(NewWeaponType,1,2,3,4,5)\r\n" +
                                       padding + "sETaNGLEz(x,9)\r\n");
        EXPECT_EQ(state.fFiringArc, 1) << "offset " << offset;
        EXPECT_EQ(state.strLines.back(), padding + "sETaNGLEz(x,9)") << "offset " << offset;
    }
}

TEST(ScriptReader, EveryLineEndEndsALine) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"mixed with empty lines", "a\r\n\rb\n\nc", {"a", "", "b", "", "c"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read(c.text).strLines, c.lines) << c.name;
    }
}

// Text the game's Lua never runs is no statement and does not survive a save:
// a byte-order mark, a first line starting with "#", long comments.
TEST(ScriptReader, SkipsWhatLuaSkips) {
    const std::string angles = "setAngles(NewWeaponType,1,2,3,4,5)\r\n";
    const std::string ignored = "setAngles(NewWeaponType,9,9,9,9,9)\r\n";
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> unrecognised;
    } cases[] = {
        {"byte-order mark before a comment", "\xEF\xBB\xBF-- note\r\n" + angles, {}},
        {"byte-order mark before other text", "\xEF\xBB\xBFx = 1\r\n" + angles, {"x = 1"}},
        {"byte-order mark later on", angles + "\xEF\xBB\xBF-- x\r\n", {"\xEF\xBB\xBF-- x"}},
        {"first line with #", "#!/usr/bin/game\r\n" + angles, {}},
        {"byte-order mark and #", "\xEF\xBB\xBF#x\r\n" + angles, {}},
        {"# through the first line feed", "#x\ry\r\n" + angles, {}},
        {"# on a later line", angles + "#x\r\n", {"#x"}},
        {"long comment", "--[[ old values\r\n" + ignored + "x = 2 ]]\r\n" + angles, {}},
        {"long comment of level 2", "--[==[\r\n]]\r\n" + ignored + "]==] x\r\n" + angles, {" x"}},
        {"long comment closed on its line", "--[[ x ]]\r\n" + angles, {}},
        {"long comment never closed", "--[[ x\r\n" + angles + "y\r\n", {"y"}},
        {"not a long comment", "--[= x\r\n" + angles + "]]\r\n", {"]]"}},
    };
    for (const auto& c : cases) {
        const WeaponState state = read(c.text);
        EXPECT_EQ(state.fFiringArc, 1) << c.name;
        EXPECT_EQ(unrecognised(state), c.unrecognised) << c.name;
    }
    EXPECT_EQ(read("#" + ignored).fFiringArc, 0) << "a statement on a first line with #";
}

TEST(ScriptReader, LastConfigAnglesAndMiscCount) {
    const WeaponState state = read(script({
        configLine(),
        configLine("\"Other\"," + kConfigArguments.substr(8)),
        "setAngles(NewWeaponType,1,2,3,4,5)",
        "setAngles(NewWeaponType,10,20,30,40,50)",
        "setMiscValues(NewWeaponType,0.5,0.25)",
    }));
    EXPECT_EQ(state.CurrentWeapon.sWeaponType, "Other");
    EXPECT_EQ(state.fFiringArc, 10);
    EXPECT_EQ(state.fLeftRot, 20);
    EXPECT_EQ(state.fRightRot, 30);
    EXPECT_EQ(state.fDownRot, 40) << "the fourth angle is down";
    EXPECT_EQ(state.fUpRot, 50) << "the fifth angle is up";
    EXPECT_TRUE(state.bTurretProperties);
    EXPECT_EQ(state.fBarrelRecoil, 0.5);
    EXPECT_EQ(state.fSlaveFireDelay, 0.25);
}

TEST(ScriptReader, MissingStatementsKeepThePreviousValues) {
    const WeaponState first =
        read(script({configLine(), "setAngles(NewWeaponType,1,2,3,4,5)",
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

TEST(ScriptReader, ReadsImpactResults) {
    const WeaponState state = read(script({
        "AddWeaponResult(NewWeaponType,\"Hit\",\"DamageHealth\",\"Target\",10,20,\"\")",
        "AddWeaponResult(NewWeaponType,\"Miss\",\"SpawnWeaponFire\",\"Owner\",0,0,\"flak - x\")",
        "AddWeaponResult(NewWeaponType,\"Hit\",\"spawnweaponfire\",\"Target\",1,2,\"kept out\")",
    }));
    ASSERT_EQ(state.Results.size(), 3u);
    EXPECT_EQ(state.Results[0], (WeaponResult{"Hit", "DamageHealth", "Target", 10, 20, ""}));
    EXPECT_EQ(state.Results[1],
              (WeaponResult{"Miss", "SpawnWeaponFire", "Owner", 0, 0, "flak - x"}));
    EXPECT_EQ(state.Results[2].sSpawnedWeaponEffect, "") << "the effect's case counts";
}

// Each case: the statement's lines, and the table read as
// "field/default: FAMILY=VALUE ... | unrecognised line ...".
TEST(ScriptReader, ReadsPenetrationTables) {
    const std::string s = "setPenetration(NewWeaponType,5,";
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::string table;
    } cases[] = {
        {"writer's form",
         {s + "0.5,", "{Fighter=0.5,},", "{Frigate=1,})"},
         "5/0.5: Fighter=0.5 Frigate=1"},
        {"families on the statement line",
         {s + "0.5,{Fighter=0.5},{Corvette=1})", "after"},
         "5/0.5: Fighter=0.5 Corvette=1 | after"},
        {"closing bracket after the default", {s + "0.5)", "after"}, "5/0.5: | after"},
        {"default not a number", {s + "x,", "{A=2,})"}, "5/1: A=2"},
        {"default missing", {"setPenetration(NewWeaponType,5", "{A=2,})"}, "5/1: A=2"},
        {"several entries on a line", {s + "1,", "{A=0.5},{B=1},", ")"}, "5/1: A=0.5 B=1"},
        {"tab-indented rows",
         {s + "1,", "\t{Fighter=0.5,},", "\t{B = 2})"},
         "5/1: Fighter=0.5 B=2"},
        {"bare entries", {s + "1,", "  A = 3,", "B=4 )"}, "5/1: A=3 B=4"},
        {"empty table", {s + "1,", "{})", "after"}, "5/1: | after"},
        {"unclosed table stops before the next table statement",
         {s + "1,", "{A=1,},", "setAccuracy(NewWeaponType,1,", "{B=1,})"},
         "5/1: A=1"},
        {"a second statement stays unread",
         {s + "1,", "{A=1,})", "between", "setPenetration(NewWeaponType,6,x,", "{B=y,})", "after"},
         "5/1: A=1 | between | setPenetration(NewWeaponType,6,x, | {B=y,}) | after"},
    };
    for (const auto& c : cases) {
        const WeaponState state = read(script(c.lines));
        const PenetrationSet& p = state.Penetration;
        std::string table =
            integerText(p.iFieldPenetration) + "/" + numberText(p.fDefaultPenetration) + ":";
        for (std::size_t i = 0; i < p.sFamilies.size(); ++i) {
            table += " " + p.sFamilies[i] + "=" + numberText(p.fValues[i]);
        }
        for (const std::string& line : unrecognised(state)) {
            table += " | " + line;
        }
        EXPECT_EQ(table, c.table) << c.name;
    }
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

// Each case: the statement's lines, and the table read as
// "leading: FAMILY=VALUE [damage=N] ...".
TEST(ScriptReader, ReadsAccuracyTables) {
    const std::string s = "setAccuracy(NewWeaponType,";
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::string table;
    } cases[] = {
        {"writer's form",
         {s + "1,", "{A=0.5,},", "{B=0.25, damage=1,},", "{C=1, damage=1,})"},
         "1: A=0.5 B=0.25 damage=1 C=1 damage=1"},
        {"damage part on the next line",
         {s + "1,", "{A=0.5,", "damage=1,},", "{B=1,})"},
         "1: A=0.5 damage=1 B=1"},
        {"damage part after a closed entry",
         {s + "1,", "{F=1}, damage=1}", ")"},
         "1: F=1 damage=1"},
        {"two entries on one line", {s + "1,", "{A=0.5},{B=1},", ")"}, "1: A=0.5 B=1"},
        {"entries on the statement line",
         {s + "1,{A=0.5},{B=1, damage=1})"},
         "1: A=0.5 B=1 damage=1"},
        {"only lower-case damage is a damage part",
         {s + "1,", "{A=0.5,},", "{B=1, Damage=1,})"},
         "1: A=0.5 B=1"},
        {"leading half goes to even", {s + "0.5,", "{})"}, "0:"},
        {"leading one and a half", {s + "1.5,", "{})"}, "2:"},
        {"values outside 0 to 1 load", {s + "1,", "{A=1.5,})"}, "1: A=1.5"},
    };
    for (const auto& c : cases) {
        const AccuracySet& a = read(script(c.lines)).Accuracy;
        std::string table = integerText(a.iLeadingValue) + ":";
        for (std::size_t i = 0; i < a.sFamilies.size(); ++i) {
            table += " " + a.sFamilies[i] + "=" + numberText(a.fValues[i]);
            table += a.iAlwaysDamage[i] != 0 ? " damage=" + integerText(a.iAlwaysDamage[i]) : "";
        }
        EXPECT_EQ(table, c.table) << c.name;
    }
}

TEST(ScriptReader, KeepsUnrecognisedLinesByteForByte) {
    const std::string odd = std::string("x\x80\xFF y", 5) + std::string(1, '\0') + "z";
    const WeaponState state = read(script({configLine(), odd, "", "  stray )"}));
    EXPECT_EQ(unrecognised(state), (std::vector<std::string>{odd, "  stray )"}));
}

TEST(ScriptReader, ReportsTheLineAndTheReason) {
    std::string tooManyLines;
    for (std::size_t i = 0; i <= kMaxScriptLines; ++i) {
        tooManyLines += "\n";
    }
    const struct {
        const char* name;
        std::string text;
        std::size_t line;
        std::string reason;
    } cases[] = {
        {"not a number",
         script({"", "", configLine("\"Fixed\",\"Bullet\",\"slug\",\"Normal\",abc,3000")}), 3,
         "'abc' is not a number (argument 5 of StartWeaponConfig)"},
        {"unquoted text", script({configLine("Fixed,\"Bullet\"")}), 1,
         "'Fixed' is not quoted text (argument 1 of StartWeaponConfig)"},
        {"missing argument", script({"StartWeaponConfig(NewWeaponType,\"Fixed\")"}), 1,
         "argument 2 of StartWeaponConfig is missing"},
        {"int16 out of range",
         script({configLine(
             "\"F\",\"B\",\"s\",\"Normal\",1,1,0,0,0,0,40000,1,1,0.25,1,2,1,0,0,0,1,\"N\",0,0,0")}),
         1, "'40000' is not a number from -32768 to 32767 (argument 11 of StartWeaponConfig)"},
        {"result without quotes", script({"x", "AddWeaponResult(NewWeaponType,Hit)"}), 2,
         "the condition of AddWeaponResult is missing its quoted text"},
        {"angle", script({"setAngles(NewWeaponType,1,2,3,4,five)"}), 1,
         "'five' is not a number (argument 5 of setAngles)"},
        {"penetration value", script({"setPenetration(NewWeaponType,5,1,", "{A=x,})"}), 2,
         "'x' is not a number (penetration value of family A)"},
        {"damage before any entry", script({"setAccuracy(NewWeaponType,1,", "damage=1,})"}), 2,
         "a damage part stands before any accuracy entry"},
        {"damage without a value", script({"setAccuracy(NewWeaponType,1,", "{A=1,},", "damage,})"}),
         3, "the damage part 'damage,' has no value"},
        {"long number shortened",
         "setAngles(NewWeaponType," + std::string(10'000'000, '9') + ",1,2,3,4)\r\n", 1,
         "'" + std::string(60, '9') + "...' is not a number (argument 1 of setAngles)"},
        {"every byte value around a binary number", binaryBytes(), 4,
         "'\x80" + std::string(1, '\0') + "\xff' is not a number (argument 1 of setAngles)"},
        {"empty file", "", 0, "the file is empty"},
        {"only a byte-order mark", "\xEF\xBB\xBF", 0, "the file is empty"},
        {"too many lines", tooManyLines, 0, "the file has more than 32768 lines"},
        {"too large", std::string(kMaxScriptBytes + 1, ' '), 0, "the file is larger than 16 MiB"},
    };
    for (const auto& c : cases) {
        const auto result = readWeaponScript({}, c.text);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.error().line, c.line) << c.name;
        EXPECT_EQ(result.error().reason, c.reason) << c.name;
    }
}

TEST(ScriptReader, AcceptsTheLargestFile) {
    const std::string text = script({configLine()}) + std::string(kMaxScriptLines - 1, '\n');
    EXPECT_TRUE(readWeaponScript({}, text).ok());
}
