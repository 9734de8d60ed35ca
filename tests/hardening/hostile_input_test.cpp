// Hostile weapon files through the built `wepn`: each is refused with its
// file, line and reason, or read; none crashes, a refused file is left
// exactly as it was, and odd bytes pass through unchanged.
#include "model/load.h"
#include "model/script_lines.h"
#include "model/script_writer.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace wepn::test {
namespace {

TEST(HostileInput, CheckAndResaveNameFileLineAndReasonAndKeepTheFile) {
    const TempDir dir;
    const std::string data = dir.dataDir();
    const std::string binary = "\xff\r\nsetAngles(NewWeaponType,\x80" + std::string(1, '\0') +
                               "\xff,1,2,3,4)\r\n" + std::string(1, '\0');
    std::vector<std::string> files{dir.write("w/binary.wepn", binary)};
    std::string expected = files.back() + ":2: error: '\xc2\x80" + std::string(1, '\0') +
                           "\xc3\xbf' is not a number (argument 1 of setAngles)\n";
    // A sparse file one byte over the size limit is refused before it is read.
    files.push_back(dir.write("w/sparse.wepn", ""));
    ASSERT_EQ(::truncate(files.back().c_str(), kMaxScriptBytes + 1), 0);
    expected += files.back() + ": error: the file is larger than 16777216 bytes\n";

    std::vector<std::string> args{"check"};
    args.insert(args.end(), files.begin(), files.end());
    const ToolRun check = runWepnExecutable(args);
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err, expected) << "Latin-1 reasons are printed as UTF-8";

    args = {"resave", "--data", data, "--in-place"};
    args.insert(args.end(), files.begin(), files.end());
    const ToolRun resave = runWepnExecutable(args);
    EXPECT_EQ(resave.code, 1);
    EXPECT_EQ(resave.err, expected) << "resave refuses as check does";
    EXPECT_EQ(readFile(files[0]), binary);
    EXPECT_EQ(entryNames(dir / "w"), (std::set<std::string>{"binary.wepn", "sparse.wepn"}));
}

TEST(HostileInput, AFileOfTheLargestSizeLoads) {
    const TempDir dir;
    const std::string full = dir.write("full.wepn", "");
    ASSERT_EQ(::truncate(full.c_str(), kMaxScriptBytes), 0) << "16 MiB of NUL bytes: one line";
    const ToolRun check = runWepnExecutable({"check", full});
    EXPECT_EQ(check.code, 0) << check.err;
    EXPECT_EQ(check.out, full + ": ok\n");
}

// Bytes 0x80 to 0xFF and NUL in every text position come out of `wepn resave`
// exactly as the model writes them.
TEST(HostileInput, ResaveKeepsOddBytes) {
    std::string odd;
    for (int c = 0x80; c <= 0xFF; ++c) {
        odd += static_cast<char>(c);
    }
    odd += '\0';
    std::string weapon = fixture("weapon.wepn");
    std::string list = fixture("familylist.lua");
    for (std::string_view text : {"Turret", "Bullet", "gun_fx", "Full", "Hit", "DamageHealth",
                                  "Target", "flak", "bang"}) {
        for (std::string* file : {&weapon, &list}) {
            for (std::size_t at; (at = file->find(text)) != std::string::npos;) {
                file->replace(at, text.size(), odd);
            }
        }
    }
    const TempDir dir;
    const ToolRun run = runWepnExecutable(
        {"resave", "--data", dir.dataDir("Data", list), dir.write("odd.wepn", weapon)});
    EXPECT_EQ(run.code, 0) << run.err;
    const auto loaded = loadWeapon({}, readFamilyList(list), weapon);
    ASSERT_TRUE(loaded.ok()) << loaded.error().reason;
    EXPECT_EQ(run.out, *writeWeaponScript(loaded->state));
    EXPECT_NE(run.out.find(odd), std::string::npos);
}

} // namespace
} // namespace wepn::test
