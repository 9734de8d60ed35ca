#include "cli_fixture.h"

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>

namespace wepn::test {
namespace {

using nlohmann::json;

TEST_F(CliTest, SetAppliesEachKindOfEdit) {
    struct Case {
        const char* edit;
        const char* pointer;
        json value;
    };
    const Case cases[] = {
        {"fWeaponFireRange=3300", "/fWeaponFireRange", 3300.0},
        {"fWeaponFireRange*=1.1", "/fWeaponFireRange", 3300.0},
        {"fDownRot=-.5", "/fDownRot", -0.5},
        {"iMaxEffectsSpawned=2.5", "/iMaxEffectsSpawned", 2},
        {"iMaxEffectsSpawned*=0.625", "/iMaxEffectsSpawned", 2},
        {"iMaxEffectsSpawned*=0.875", "/iMaxEffectsSpawned", 4},
        {"iInstantHitThreshold=100000", "/iInstantHitThreshold", 100000},
        {"iFieldPenetration=75", "/iFieldPenetration", 75},
        {"sWeaponFireName=new_fx", "/sWeaponFireName", "new_fx"},
        {"sActivation=special attack", "/sActivation", "Special Attack"},
        {"sActivation=2", "/sActivation", "Normal Only"},
        {"sActivation=", "/sActivation", ""},
        {"iWeaponFireAxis=Up", "/iWeaponFireAxis", 2},
        {"iUseVelocityPred=no", "/iUseVelocityPred", 0},
        {"iCheckLineOfFire=-1", "/iCheckLineOfFire", -1},
        {"penetration.corvette=0.75", "/penetration/Corvette", 0.75},
        {"penetration.FIGHTER*=2", "/penetration/Fighter", 0.5},
        {"accuracy.SmallCraft=0", "/accuracy/SmallCraft/value", 0.0},
        {"accuracy.smallcraft.damage=1", "/accuracy/SmallCraft/damage", 1},
        {"accuracy.BigShips.damage=0", "/accuracy/BigShips/damage", 0},
    };
    for (const Case& c : cases) {
        const std::string file = write("w.wepn", kWeapon);
        const ToolRun result = run({"set", "--data", dataDir(), c.edit, "--", file});
        EXPECT_EQ(result.code, 0) << c.edit << ": " << result.err;
        const ToolRun dump = run({"dump", "--data", dataDir(), file});
        ASSERT_EQ(dump.code, 0) << c.edit << ": " << dump.err;
        EXPECT_EQ(json::parse(dump.out).at(json::json_pointer(c.pointer)), c.value) << c.edit;
    }
}

TEST_F(CliTest, SetRefusesBadEditsAndLeavesTheFileUntouched) {
    struct Case {
        const char* edit;
        const char* reason;
    };
    const Case cases[] = {
        {"fWeaponFireRange=abc", "'abc' is not a number"},
        {"fWeaponFireRange=1,000", "'1,000' is not a number"},
        {"iMaxEffectsSpawned=40000", "is not a number from -32768 to 32767"},
        {"iMaxEffectsSpawned*=10000", "does not fit iMaxEffectsSpawned"},
        {"iWeaponFireAxis=3", "is not a row of iWeaponFireAxis"},
        {"sActivation=Sometimes", "is not a row of sActivation"},
        {"accuracy.SmallCraft=1.5", "Accuracy must be a value between 1 and 0."},
        {"accuracy.SmallCraft*=2", "Accuracy must be a value between 1 and 0."},
        {"accuracy.SmallCraft.damage=2", "the damage flag must be 0 or 1"},
        {"penetration.Destroyer=1", "no armour family 'Destroyer'"},
        {"sWeaponFireName=a\"b", "sWeaponFireName cannot be written: a double quote"},
        {"sWeaponType=two\nlines", "sWeaponType cannot be written: a line break"},
    };
    for (const Case& c : cases) {
        const std::string file = write("w.wepn", kWeapon);
        const ToolRun result = run({"set", "--data", dataDir(), c.edit, "--", file});
        EXPECT_EQ(result.code, 1) << c.edit;
        EXPECT_EQ(result.err.rfind(file + ": error: ", 0), 0u) << c.edit << ": " << result.err;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << c.edit << ": " << result.err;
        EXPECT_EQ(readFile(file), kWeapon) << c.edit;
    }
}

TEST_F(CliTest, SetLeavesAFailingFileUntouchedAndChangesTheOthers) {
    std::string other = kWeapon;
    other.replace(other.find(",4,1,0,0.5,"), 11, ",1,1,0,0.5,"); // iMaxEffectsSpawned 1
    const std::string failing = write("a.wepn", kWeapon);
    const std::string changed = write("b.wepn", other);
    const ToolRun result = runWepnExecutable(
        {"set", "fWeaponFireRange=5000", "iMaxEffectsSpawned*=10000", "--", failing, changed});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err.rfind(failing + ": error: 'iMaxEffectsSpawned*=10000'", 0), 0u)
        << result.err;
    EXPECT_EQ(readFile(failing), kWeapon);
    const json dump = json::parse(run({"dump", changed}).out);
    EXPECT_EQ(dump.at("fWeaponFireRange"), 5000.0);
    EXPECT_EQ(dump.at("iMaxEffectsSpawned"), 10000);
}

TEST_F(CliTest, SetDryRunPrintsTheChangesAndWritesNothing) {
    const std::string file = write("w.wepn", kWeapon);
    const ToolRun result = runWepnExecutable(
        {"set", "--data", dataDir(), "--dry-run", "fWeaponFireRange*=1.1",
         "sActivation=normal only", "fFireTime=0.5", "penetration.corvette=0.75", "--", file});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, file + ": fWeaponFireRange 3000 -> 3300\n" + file +
                              ": sActivation 'Normal' -> 'Normal Only'\n" + file +
                              ": penetration.Corvette 0.5 -> 0.75\n");
    EXPECT_EQ(readFile(file), kWeapon);
}

TEST_F(CliTest, SetWritesWhatResaveWrites) {
    const std::string file = write("w.wepn", kWeapon);
    const ToolRun resaved = run({"resave", "--data", dataDir(), file});
    ASSERT_EQ(run({"set", "--data", dataDir(), "fWeaponFireRange=1", "--", file}).code, 0);
    ASSERT_EQ(run({"set", "--data", dataDir(), "fWeaponFireRange=3000", "--", file}).code, 0);
    EXPECT_EQ(readFile(file), resaved.out);
}

// A file whose values stay as they are keeps its bytes and modification time,
// though the editor would write it otherwise; the others are rewritten. The
// run prints what it changed, as --dry-run does, and -q silences that.
TEST_F(CliTest, SetRewritesOnlyFilesWhoseValuesChange) {
    struct Case {
        const char* name;
        std::vector<std::string> options;
        const char* edit;
        bool changes;
        std::string out; // "%" stands for the file's path
    };
    const Case cases[] = {
        {"same value", {}, "fWeaponFireRange=3000", false, "%: no change\n"},
        {"same choice", {}, "sActivation=normal", false, "%: no change\n"},
        {"factor 1", {"--data", dataDir()}, "penetration.Fighter*=1", false, "%: no change\n"},
        {"quiet, same value", {"-q"}, "fFireTime=0.5", false, ""},
        {"new value", {}, "fWeaponFireRange=3300", true, "%: fWeaponFireRange 3000 -> 3300\n"},
        {"quiet, new value", {"--quiet"}, "fWeaponFireRange=3300", true, ""},
    };
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    for (const Case& c : cases) {
        const std::string file = write("w.wepn", kWeapon);
        std::filesystem::last_write_time(file, past);
        std::vector<std::string> args{"set"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {c.edit, "--", file});
        const ToolRun result = run(args);
        EXPECT_EQ(result.code, 0) << c.name << ": " << result.err;
        std::string out = c.out;
        if (const std::size_t at = out.find('%'); at != std::string::npos) {
            out.replace(at, 1, file);
        }
        EXPECT_EQ(result.out, out) << c.name;
        EXPECT_EQ(readFile(file) != kWeapon, c.changes) << c.name;
        EXPECT_EQ(std::filesystem::last_write_time(file) != past, c.changes) << c.name;
    }
}

// Many files are edited several at a time; what each prints still comes in
// the files' order, and a failing file stops none of the others.
TEST_F(CliTest, ManyFilesAreEditedAndReportedInTheirOrder) {
    constexpr int kFiles = 300; // more than one batch, and than one thread takes
    constexpr int kMissing = 170;
    std::vector<std::string> files;
    std::string changes;
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = "w" + std::to_string(i) + ".wepn";
        files.push_back(i == kMissing ? path(name) : write(name, kWeapon));
        if (i != kMissing) {
            changes += files.back() + ": fWeaponFireRange 3000 -> 5000\n";
        }
    }
    const auto expectEveryOtherFile = [&](const std::string& what, const std::string& text) {
        for (int i = 0; i < kFiles; ++i) {
            if (i != kMissing) {
                EXPECT_EQ(readFile(files[i]), text) << what << ' ' << i;
            }
        }
        EXPECT_FALSE(std::filesystem::exists(files[kMissing])) << what;
    };
    const std::string missingError = files[kMissing] + ": error: ";

    std::vector<std::string> args{"set", "fWeaponFireRange=5000", "--"};
    args.insert(args.end(), files.begin(), files.end());
    const ToolRun set = run(args);
    EXPECT_EQ(set.code, 1);
    EXPECT_EQ(set.out, changes);
    EXPECT_EQ(set.err.rfind(missingError, 0), 0u) << set.err;
    const std::string edited = readFile(files[0]);
    EXPECT_NE(edited.find(",5000,"), std::string::npos);
    expectEveryOtherFile("set", edited);

    args = {"resave", "--data", dataDir(), "--in-place"};
    args.insert(args.end(), files.begin(), files.end());
    const ToolRun resave = run(args);
    EXPECT_EQ(resave.code, 1);
    EXPECT_EQ(resave.out, "");
    EXPECT_EQ(resave.err.rfind(missingError, 0), 0u) << resave.err;
    expectEveryOtherFile("resave", run({"resave", "--data", dataDir(), files[0]}).out);
}

TEST_F(CliTest, SetWithoutDataKeepsTheTablesAsTheFileNamesThem) {
    const std::string file = write("w.wepn", kWeapon);
    const ToolRun result = run({"set", "fWeaponFireRange=10", "--", file});
    EXPECT_EQ(result.code, 0) << result.err;
    const std::string written = readFile(file);
    EXPECT_NE(written.find("setPenetration(NewWeaponType,50,0.5,\r\n{Fighter=0.25,},\r\n"
                           "{Capital=1,})\r\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("{SmallCraft=0.75,},\r\n{BigShips=1, damage=1,})\r\n"),
              std::string::npos)
        << written;
}

} // namespace
} // namespace wepn::test

namespace wepn::test {
namespace {

TEST_F(CliTest, RewritesRefuseNonWeaponsAndUnaskedDrops) {
    write("Small/Scripts/familylist.lua",
          "ArmourFamily = {{name=\"Fighter\"}}\nAttackFamily = {{name=\"SmallCraft\"}}\n");
    const std::string small = path("Small");
    const std::string dropping = "a save would drop the table entries of families the family "
                                 "list lacks: penetration.Capital, accuracy.BigShips "
                                 "(--drop-missing-families drops them)\n";
    const std::string lacks = ": warning: the family list lacks families that the file names; a "
                              "save drops them: penetration Capital; accuracy BigShips\n";
    struct Case {
        std::vector<std::string> args;
        std::string bytes;
        int code;
        std::string out;
        std::string err; // after "FILE"
    };
    const Case cases[] = {
        {{"set", "fWeaponFireRange=5", "--"},
         "echo hi\n",
         1,
         "",
         ": error: 'FILE' is not a weapon script: it has no StartWeaponConfig line\n"},
        {{"resave", "--data", dataDir(), "--in-place"},
         "-- StartWeaponConfig(\n",
         1,
         "",
         ": error: 'FILE' is not a weapon script: it has no StartWeaponConfig line\n"},
        {{"set", "--data", small, "fWeaponFireRange=5", "--"},
         kWeapon,
         1,
         "",
         lacks + "FILE: error: " + dropping},
        {{"resave", "--data", small, "--in-place"},
         kWeapon,
         1,
         "",
         lacks + "FILE: error: " + dropping},
        {{"set", "--data", small, "--drop-missing-families", "fWeaponFireRange=5", "--"},
         kWeapon,
         0,
         "FILE: fWeaponFireRange 3000 -> 5\nFILE: penetration.Capital 1 -> (dropped)\n"
         "FILE: accuracy.BigShips 1 (damage 1) -> (dropped)\n",
         lacks},
    };
    for (const Case& c : cases) {
        const std::string file = write("w.wepn", c.bytes);
        std::vector<std::string> args = c.args;
        args.push_back(file);
        const ToolRun result = run(args);
        const auto named = [&](std::string text) {
            for (std::size_t at; (at = text.find("FILE")) != std::string::npos;) {
                text.replace(at, 4, file);
            }
            return text;
        };
        EXPECT_EQ(result.code, c.code) << args[0] << " " << c.bytes;
        EXPECT_EQ(result.out, named(c.out)) << args[0];
        EXPECT_EQ(result.err, c.err.empty() ? "" : named("FILE" + c.err)) << args[0];
        EXPECT_EQ(readFile(file) == c.bytes, c.code != 0) << args[0];
    }
}

} // namespace
} // namespace wepn::test
