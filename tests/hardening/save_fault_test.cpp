// Faults while `wepn resave` and `wepn set` write: each names the target and
// the system's reason, leaves the old file byte for byte and no temporary
// file behind.
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace wepn::test {
namespace {

const std::string kWeapon = fixture("weapon.wepn");

// Small enough that writing any weapon stops part-way.
constexpr std::size_t kTinyFileLimit = 100;

struct Fault {
    const char* name;
    bool needsNonRoot;
    std::size_t fileSizeLimit;
    const char* message; // "%1" stands for the target
    void (*arrange)(const std::string& dir, const std::string& target);
};

const Fault kInPlaceFaults[] = {
    {"read-only target", false, 0, "'%1' is read-only",
     [](const std::string&, const std::string& target) { ::chmod(target.c_str(), 0444); }},
    {"read-only directory and target", true, 0, "'%1' is read-only",
     [](const std::string& dir, const std::string& target) {
         ::chmod(target.c_str(), 0444);
         ::chmod(dir.c_str(), 0555);
     }},
    {"write fails part-way", false, kTinyFileLimit, "cannot write '%1': File too large",
     [](const std::string&, const std::string&) {}},
};

// Runs each in-place verb on a fresh weapon under each fault.
TEST(SaveFault, InPlaceWritesKeepTheOldFile) {
    const std::vector<std::vector<std::string>> verbs = {
        {"resave", "--data", "DATA", "--in-place", "FILE"},
        {"set", "fWeaponFireRange=1234", "--", "FILE"},
        {"set", "--data", "DATA", "accuracy.BigShips=0.5", "--", "FILE"},
    };
    for (const Fault& fault : kInPlaceFaults) {
        if (fault.needsNonRoot && runningAsRoot()) {
            continue; // permission checks do not apply to root
        }
        for (std::vector<std::string> args : verbs) {
            const std::string what = std::string(fault.name) + ", " + args[0] + " " + args[1];
            const TempDir dir;
            const std::string data = dir.dataDir("Data");
            const std::string target = dir.write("w/gun.wepn", kWeapon);
            for (std::string& arg : args) {
                arg = arg == "DATA" ? data : arg == "FILE" ? target : arg;
            }
            fault.arrange(dir / "w", target);
            const ToolRun run = runWepnExecutable(args, fault.fileSizeLimit);
            EXPECT_EQ(run.code, 1) << what;
            std::string message = fault.message;
            message.replace(message.find("%1"), 2, target);
            EXPECT_EQ(run.err, target + ": error: " + message + "\n") << what;
            EXPECT_EQ(readFile(target), kWeapon) << what << ": the old file is intact";
            EXPECT_EQ(entryNames(dir / "w"), std::set<std::string>{"gun.wepn"})
                << what << ": no temporary file";
        }
    }
}

TEST(SaveFault, ResaveToAnUnwritableNameFails) {
    const TempDir dir;
    const std::string data = dir.dataDir("Data");
    const std::string weapon = dir.write("w/gun.wepn", kWeapon);
    const std::pair<std::string, const char*> targets[] = {
        {dir / "w/missing/out.wepn", "No such file or directory"},
        {dir / ("w/" + std::string(300, 'n') + ".wepn"), "File name too long"},
    };
    for (const auto& [target, reason] : targets) {
        const ToolRun run = runWepnExecutable({"resave", "--data", data, "-o", target, weapon});
        EXPECT_EQ(run.code, 1) << reason;
        EXPECT_EQ(run.err, weapon + ": error: cannot write '" + target + "': " + reason + "\n")
            << reason;
        EXPECT_EQ(entryNames(dir / "w"), std::set<std::string>{"gun.wepn"}) << reason;
        EXPECT_EQ(readFile(weapon), kWeapon) << reason;
    }
}

} // namespace
} // namespace wepn::test

namespace wepn::test {
namespace {

// A weapon kept as a symbolic link: rewriting it in place changes the file
// the link points to, and the link stays a link.
TEST(SaveThroughLink, InPlaceWritesTheLinkedFile) {
    const std::vector<std::vector<std::string>> verbs = {
        {"resave", "--data", "DATA", "--in-place", "LINK"},
        {"set", "fWeaponFireRange=1234", "--", "LINK"},
    };
    for (std::vector<std::string> args : verbs) {
        const TempDir dir;
        const std::string data = dir.dataDir("Data");
        const std::string real = dir.write("w/real.wepn", kWeapon);
        const std::string link = dir / "w/link.wepn";
        std::filesystem::create_symlink("real.wepn", link);
        for (std::string& arg : args) {
            arg = arg == "DATA" ? data : arg == "LINK" ? link : arg;
        }
        const ToolRun run = runWepnExecutable(args);
        EXPECT_EQ(run.code, 0) << args[0] << ": " << run.err;
        EXPECT_TRUE(std::filesystem::is_symlink(link)) << args[0];
        EXPECT_NE(readFile(real), kWeapon) << args[0] << ": the linked file is rewritten";
        EXPECT_EQ(entryNames(dir / "w"), (std::set<std::string>{"link.wepn", "real.wepn"}))
            << args[0];
    }
}

} // namespace
} // namespace wepn::test
