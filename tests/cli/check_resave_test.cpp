#include "cli_fixture.h"

#include <filesystem>

namespace wepn::test {
namespace {

// One file checked: its bytes and what `wepn check` prints and returns.
struct CheckCase {
    const char* name;
    std::string bytes;
    int code;
    std::string out;
    std::string err; // "%" stands for the file's path
};

class CheckTest : public CliTest {
  protected:
    void expectChecks(const std::vector<std::string>& options,
                      const std::vector<CheckCase>& cases) {
        for (const CheckCase& c : cases) {
            const std::string file = write("w.wepn", c.bytes);
            const auto expand = [&](std::string text) {
                for (std::size_t at; (at = text.find('%')) != std::string::npos;) {
                    text.replace(at, 1, file);
                }
                return text;
            };
            std::vector<std::string> args{"check"};
            args.insert(args.end(), options.begin(), options.end());
            args.push_back(file);
            const ToolRun result = runWepnExecutable(args);
            EXPECT_EQ(result.code, c.code) << c.name;
            EXPECT_EQ(result.out, expand(c.out)) << c.name;
            EXPECT_EQ(result.err, expand(c.err)) << c.name;
        }
    }
};

TEST_F(CheckTest, ReportsEachFileAndExitCode) {
    const std::string weapon = kWeapon;
    std::string unknownFire = weapon;
    unknownFire.replace(unknownFire.find("Bullet"), 6, "Laser");
    std::string badNumber = weapon;
    badNumber.replace(badNumber.find("2500"), 4, "abc");
    expectChecks({},
                 {
                     {"ok", weapon, 0, "%: ok\n", ""},
                     {"unknown fire type", unknownFire, 0, "%: ok\n",
                      "%: warning: Unrecognized weapon type: 'Laser' -- Please notify BrEnN.\n"},
                     {"bad number", badNumber, 1, "",
                      "%:2: error: 'abc' is not a number (argument 5 of StartWeaponConfig)\n"},
                     {"empty file", "", 1, "", "%: error: the file is empty\n"},
                 });
}

TEST_F(CheckTest, FilesFromAListAreCheckedInOrderAfterTheNamedOnes) {
    const std::string first = write("a.wepn", kWeapon);
    const std::string second = write("b.wepn", kWeapon);
    const std::string missing = path("missing.wepn");
    const std::string list = write("list.txt", second + "\n\n" + missing + "\n" + first + "\n");
    const ToolRun result = runWepnExecutable({"check", "--files-from", list, first});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, first + ": ok\n" + second + ": ok\n" + first + ": ok\n");
    EXPECT_EQ(result.err, missing + ": error: No such file or directory\n");
    const ToolRun noList = runWepnExecutable({"check", "--files-from", missing});
    EXPECT_EQ(noList.code, 1);
    EXPECT_EQ(noList.err,
              missing + ": error: cannot read the list of files: No such file or directory\n");
}

TEST_F(CheckTest, GameReportsWhatTheGameCannotRunOrReceivesOtherwise) {
    const std::string weapon = kWeapon;
    const std::string runs = weapon.substr(0, weapon.find("setWeaponSound"));
    std::string fraction = runs;
    fraction.replace(fraction.find("0,4,1,0,0.5"), 11, "0,4,1,0.5,0.5");
    std::string latin1 = runs;
    latin1.replace(latin1.find("gun_fx"), 6, "caf\xE9\\t");
    std::string unreadable = weapon;
    unreadable.replace(unreadable.find("2500"), 4, "0x9C4");
    expectChecks(
        {"--game"},
        {
            {"runs alike", runs, 0, "%: ok\n", ""},
            {"calls a function the game lacks", weapon, 1, "",
             "%:13: error: the game could not load the file: attempt to call a nil value (global "
             "'setWeaponSound')\n"},
            {"a value the game receives otherwise", fraction, 0, "%: ok\n",
             "%: warning: argument 13 of StartWeaponConfig (iCheckLineOfFire) (line 2): the game "
             "receives 0.5, the editor shows 0\n"},
            {"an escape in a Latin-1 value", latin1, 0, "%: ok\n",
             "%: warning: argument 3 of StartWeaponConfig (sWeaponFireName) (line 2): the game "
             "receives \"caf\xC3\xA9\t\", the editor shows \"caf\xC3\xA9\\t\"\n"},
            {"neither loads it", unreadable, 1, "",
             "%:2: error: '0x9C4' is not a number (argument 5 of StartWeaponConfig)\n"
             "%:13: error: the game could not load the file: attempt to call a nil value (global "
             "'setWeaponSound')\n"},
        });
}

TEST_F(CliTest, UsageErrorsExitTwo) {
    const std::string file = write("w.wepn", kWeapon);
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"check"},
        {"check", "--bogus", file},
        {"resave", file},
        {"resave", "--data", dataDir(), "-o", path("o"), "--in-place", file},
        {"resave", "--data", dataDir(), file, file},
        {"dump", file, file},
        {"set", "fWeaponFireRange=1", file},
        {"set", "--", file},
        {"set", "nosuchfield=1", "--", file},
        {"set", "sWeaponName=x", "--", file},
        {"set", "sWeaponType*=2", "--", file},
        {"set", "fWeaponFireRange*=abc", "--", file},
        {"set", "penetration.Fighter=1", "--", file},
    };
    for (const auto& args : cases) {
        const ToolRun result = runWepnExecutable(args);
        std::string joined;
        for (const std::string& arg : args) {
            joined += arg + " ";
        }
        EXPECT_EQ(result.code, 2) << joined;
        EXPECT_FALSE(result.err.empty()) << joined;
        EXPECT_EQ(readFile(file), kWeapon) << joined;
    }
}

TEST_F(CliTest, VersionPrintsTheProjectVersion) {
    const ToolRun result = runWepnExecutable({"--version"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "wepn 1.4.4\n");
}

TEST_F(CliTest, ResaveToStandardOutputEqualsOutputFileAndInPlace) {
    const std::string file = write("w.wepn", kWeapon);
    const ToolRun toStdout = runWepnExecutable({"resave", "--data", dataDir(), file});
    EXPECT_EQ(toStdout.code, 0);
    EXPECT_EQ(toStdout.err, "");
    EXPECT_NE(toStdout.out.find("{Corvette=0.5,},\r\n"), std::string::npos)
        << "an unnamed family takes the default penetration";

    const ToolRun toFile =
        runWepnExecutable({"resave", "--data", dataDir(), "-o", path("o"), file});
    EXPECT_EQ(toFile.code, 0);
    EXPECT_EQ(readFile(path("o")), toStdout.out);

    EXPECT_EQ(runWepnExecutable({"resave", "--data", dataDir(), "--in-place", file}).code, 0);
    EXPECT_EQ(readFile(file), toStdout.out);
}

// What `wepn resave` writes for the sample weapons, byte for byte.
TEST_F(CliTest, ResaveWritesTheGoldenFilesForEveryExample) {
    const std::filesystem::path weapons = std::filesystem::path(WEPN_EXAMPLES_DIR) / "Weapon";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(weapons)) {
        const std::string name = entry.path().filename().string();
        const ToolRun resaved = run({"resave", "--data", WEPN_EXAMPLES_DIR, entry.path().string()});
        EXPECT_EQ(resaved.code, 0) << name << ": " << resaved.err;
        EXPECT_EQ(resaved.out, fixture("resaved/" + name)) << name;
        ++count;
    }
    EXPECT_GE(count, 6) << "sample weapons";
}

} // namespace
} // namespace wepn::test
