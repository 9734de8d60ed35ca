#include "cli_fixture.h"

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>

namespace wepn::test {
namespace {

using nlohmann::json;

TEST_F(CliTest, SetWritesWhatResaveWrites) {
    const std::string file = write("w.wepn", kWeapon);
    const ToolRun resaved = run({"resave", "--data", dataDir(), file});
    ASSERT_EQ(run({"set", "--data", dataDir(), "fWeaponFireRange=1", "--", file}).code, 0);
    ASSERT_EQ(run({"set", "--data", dataDir(), "fWeaponFireRange=3000", "--", file}).code, 0);
    EXPECT_EQ(readFile(file), resaved.out);
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
