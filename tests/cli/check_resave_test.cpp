#include "cli_fixture.h"

#include <chrono>
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
    const ToolRun withData =
        runWepnExecutable({"check", "--data", dataDir(), "--files-from", list, first});
    EXPECT_EQ(withData.code, 1);
    EXPECT_EQ(withData.out, result.out);
    EXPECT_NE(withData.err.find(missing + ": error: No such file or directory\n"),
              std::string::npos)
        << withData.err;
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

// "-" reads standard input; its messages name it "-".
TEST_F(CliTest, StandardInputIsReadForDash) {
    std::string badNumber = kWeapon;
    badNumber.replace(badNumber.find("2500"), 4, "abc");
    const std::string file = write("w.wepn", kWeapon);
    const ToolRun resaved = run({"resave", "--data", dataDir(), file});
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int code;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{"check", "-"}, kWeapon, 0, "-: ok\n", ""},
        {{"check", file, "-"},
         badNumber,
         1,
         file + ": ok\n",
         "-:2: error: 'abc' is not a number (argument 5 of StartWeaponConfig)\n"},
        {{"resave", "--data", dataDir(), "-"}, kWeapon, 0, resaved.out, ""},
        {{"resave", "--data", dataDir(), "-o", "-", "-"}, kWeapon, 0, resaved.out, ""},
        {{"dump", "--lines", "-"}, "", 1, "", "-: error: the file is empty\n"},
    };
    for (const Case& c : cases) {
        const ToolRun result = runWepnWithInput(c.args, c.input);
        EXPECT_EQ(result.code, c.code) << c.args[0];
        EXPECT_EQ(result.out, c.out) << c.args[0];
        EXPECT_EQ(result.err, c.err) << c.args[0];
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

    // Now as the editor writes it, the file is left alone: its time stays.
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(file, past);
    EXPECT_EQ(run({"resave", "--data", dataDir(), "--in-place", file}).code, 0);
    EXPECT_EQ(std::filesystem::last_write_time(file), past);
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

// What a modder does to a file (tests/data/game_view/*: the input, the
// command with its exit code (DATA: the fixture data directory), what the file holds after it or
// what resave prints, and stderr, FILE standing for the file's path): a save without edits leaves
// the game what the file gave it and keeps every line of code.
TEST_F(CliTest, SavesLeaveTheGameWhatTheFileGaveIt) {
    const std::filesystem::path rows = std::filesystem::path(WEPN_TEST_DATA_DIR) / "game_view";
    for (const auto& row : std::filesystem::directory_iterator(rows)) {
        const auto data = [&](const char* name) { return readFile(row.path() / name); };
        std::string input = data("input.wepn");
        if (std::filesystem::exists(row.path() / "size")) {
            input.resize(std::stoul(data("size")), ' ');
        }
        const std::string file = write("w.wepn", input);
        std::istringstream command(data("command"));
        int code = 0;
        command >> code;
        std::vector<std::string> args;
        for (std::string arg; command >> arg;) {
            args.push_back(arg == "FILE" ? file : arg == "DATA" ? dataDir() : arg);
        }
        ToolRun result = run(args);
        for (std::size_t at; (at = result.err.find(file)) != std::string::npos;) {
            result.err.replace(at, file.size(), "FILE");
        }
        const std::string name = row.path().filename();
        EXPECT_EQ(result.code, code) << name << ": " << result.err;
        EXPECT_EQ(result.err, data("stderr")) << name;
        if (std::filesystem::exists(row.path() / "saved.wepn")) {
            EXPECT_EQ(args[0] == "resave" ? result.out : readFile(file), data("saved.wepn"))
                << name;
        }
    }
}

} // namespace
} // namespace wepn::test
