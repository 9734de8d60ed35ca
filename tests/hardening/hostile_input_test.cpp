// Hostile weapon files through the model and through the built `wepn`: each
// is refused with its file, line and reason, or read; none crashes, and a
// refused file is left exactly as it was.
#include "cli/latin1.h"
#include "hardening_fixture.h"
#include "model/load.h"
#include "model/script_lines.h"
#include "model/script_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace wepn::hardening {
namespace {

const FamilyRows kRows{{"Fighter - N", "Capital - N"}, {"SmallCraft - N", "BigShips - N"}};

std::string repeated(std::string_view text, std::size_t times) {
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
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

struct Refused {
    const char* name;
    std::string bytes;
    std::size_t line;
    std::string reason;
};

std::vector<Refused> refusedFiles() {
    return {
        {"empty", "", 0, "the file is empty"},
        {"lines", repeated("x\r\n", kMaxScriptLines + 1), 0, "the file has more than 32768 lines"},
        {"long_number", "setAngles(NewWeaponType," + std::string(10'000'000, '9') + ",1,2,3,4)\r\n",
         1, "'" + std::string(60, '9') + "...' is not a number (argument 1 of setAngles)"},
        {"binary", binaryBytes(), 4,
         "'\x80" + std::string(1, '\0') + "\xff' is not a number (argument 1 of setAngles)"},
    };
}

TEST(HostileInput, LoadRefusesWithLineAndReason) {
    std::vector<Refused> cases = refusedFiles();
    cases.push_back({"over 16 MiB", std::string(kMaxScriptBytes + 1, 'x'), 0,
                     "the file is larger than 16 MiB"});
    for (const Refused& c : cases) {
        const auto outcome = loadWeapon({}, kRows, c.bytes);
        ASSERT_FALSE(outcome.ok()) << c.name;
        EXPECT_EQ(outcome.error().line, c.line) << c.name;
        EXPECT_EQ(outcome.error().reason, c.reason) << c.name;
    }
}

TEST(HostileInput, CheckNamesFileLineAndReasonAndResaveKeepsTheFile) {
    const ScratchDir dir;
    const std::string data = dir.dataDir("Data");
    std::vector<std::string> files;
    std::string expected;
    for (const Refused& c : refusedFiles()) {
        files.push_back(dir.write(std::string("w/") + c.name + ".wepn", c.bytes));
        expected += files.back() + (c.line ? ":" + std::to_string(c.line) : std::string()) +
                    ": error: " + latin1ToUtf8(c.reason) + "\n";
    }
    // A sparse file one byte over the size limit is refused before it is read.
    files.push_back(dir / "w/sparse.wepn");
    ASSERT_EQ(::truncate(dir.write("w/sparse.wepn", "").c_str(), kMaxScriptBytes + 1), 0);
    expected += files.back() + ": error: is larger than 16777216 bytes\n";

    const ToolRun check = runWepnExecutable([&] {
        std::vector<std::string> args{"check"};
        args.insert(args.end(), files.begin(), files.end());
        return args;
    }());
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err, expected);

    const std::set<std::string> before = entryNames(dir / "w");
    std::vector<std::string> args{"resave", "--data", data, "--in-place"};
    args.insert(args.end(), files.begin(), files.end());
    const ToolRun resave = runWepnExecutable(args);
    EXPECT_EQ(resave.code, 1);
    EXPECT_EQ(resave.err, expected) << "resave refuses as check does";
    const std::vector<Refused> cases = refusedFiles();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(readFile(files[i]) == cases[i].bytes, true) << cases[i].name << " changed";
    }
    EXPECT_EQ(entryNames(dir / "w"), before) << "no file left or removed";
}

TEST(HostileInput, FilesAtTheLimitsLoad) {
    const ScratchDir dir;
    const std::string lines = dir.write("lines.wepn", repeated("x\r\n", kMaxScriptLines));
    const std::string full = dir.write("full.wepn", "");
    ASSERT_EQ(::truncate(full.c_str(), kMaxScriptBytes), 0) << "16 MiB of NUL bytes: one line";
    const ToolRun check = runWepnExecutable({"check", lines, full});
    EXPECT_EQ(check.code, 0) << check.err;
    EXPECT_EQ(check.out, lines + ": ok\n" + full + ": ok\n");
}

// A line of over ten megabytes naming 900000 families in one table: loading it
// against a family list used to compare every family with every other.
TEST(HostileInput, TenMegabyteTableLineLoads) {
    std::string line = "setPenetration(NewWeaponType,5,0.5,";
    for (int i = 0; i < 900'000; ++i) {
        line += "{F" + std::to_string(i) + "=1},";
    }
    line += "{Fighter=0.25})\r\n";
    ASSERT_GT(line.size(), 10'000'000u);
    const auto outcome = loadWeapon({}, kRows, line);
    ASSERT_TRUE(outcome.ok()) << outcome.error().reason;
    EXPECT_EQ(outcome->rows.armour, (std::vector<std::string>{"Fighter - 0.25", "Capital - 0.5"}));
    ASSERT_EQ(outcome->warnings.size(), 2u);
    EXPECT_TRUE(outcome->warnings[0].text.ends_with(", F899998, F899999"))
        << "every family the list lacks is named once";
}

} // namespace
} // namespace wepn::hardening
