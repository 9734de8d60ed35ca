// A directory, a dangling link, a FIFO or an unreadable file given as a weapon or as
// the family list: each is named with its reason and no weapon is changed.
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace wepn::test {
namespace {

const std::string kWeapon = fixture("weapon.wepn");

namespace fs = std::filesystem;

struct Unusable {
    enum class Kind { Directory, DanglingLink, Fifo, Unreadable };
    Kind kind;
    const char* name;
    bool needsNonRoot;
    std::string reason; // as the file layer gives it
};

const Unusable kUnusable[] = {
    {Unusable::Kind::Directory, "directory", false, "is a directory"},
    {Unusable::Kind::DanglingLink, "dangling link", false, "No such file or directory"},
    {Unusable::Kind::Fifo, "FIFO", false, "is not an ordinary file"},
    {Unusable::Kind::Unreadable, "unreadable file", true, "Permission denied"},
};

// Makes `path` into the unusable kind.
void make(const Unusable& kind, const TempDir& dir, const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    if (kind.kind == Unusable::Kind::Directory) {
        fs::create_directory(path);
    } else if (kind.kind == Unusable::Kind::DanglingLink) {
        fs::create_symlink(dir / "nowhere", path);
    } else if (kind.kind == Unusable::Kind::Fifo) {
        ::mkfifo(path.c_str(), 0644);
    } else {
        dir.write(fs::relative(path, dir.path()).string(), kWeapon);
        ::chmod(path.c_str(), 0);
    }
}

TEST(UnusablePath, AsWeaponItIsNamedWithItsReason) {
    for (const Unusable& kind : kUnusable) {
        if (kind.needsNonRoot && runningAsRoot()) {
            continue; // root reads every file
        }
        const TempDir dir;
        const std::string data = dir.dataDir("Data");
        const std::string good = dir.write("w/good.wepn", kWeapon);
        const std::string bad = dir / "w/bad.wepn";
        make(kind, dir, bad);
        const std::string expected = bad + ": error: " + kind.reason + "\n";

        const ToolRun check = runWepnExecutable({"check", bad, good});
        EXPECT_EQ(check.code, 1) << kind.name;
        EXPECT_EQ(check.err, expected) << kind.name;
        EXPECT_EQ(check.out, good + ": ok\n") << kind.name << ": the other file goes on";

        const ToolRun resave = runWepnExecutable({"resave", "--data", data, "--in-place", bad});
        EXPECT_EQ(resave.code, 1) << kind.name;
        EXPECT_EQ(resave.err, expected) << kind.name;
        const ToolRun set = runWepnExecutable({"set", "fWeaponFireRange=1", "--", bad});
        EXPECT_EQ(set.code, 1) << kind.name;
        EXPECT_EQ(set.err, expected) << kind.name;
        EXPECT_EQ(entryNames(dir / "w"), (std::set<std::string>{"bad.wepn", "good.wepn"}))
            << kind.name;
    }
}

TEST(UnusablePath, AsFamilyListItIsNamedAndNoWeaponIsWritten) {
    for (const Unusable& kind : kUnusable) {
        if (kind.needsNonRoot && runningAsRoot()) {
            continue;
        }
        const TempDir dir;
        const std::string list = dir / "Data/Scripts/familylist.lua";
        make(kind, dir, list);
        const std::string weapon = dir.write("w/gun.wepn", kWeapon);
        // A list that is not there is the missing-file message; anything
        // there that cannot be read is named with the reason, as a weapon is.
        // Either concerns the whole run, so it starts with the tool's name.
        const std::string expected = kind.kind == Unusable::Kind::DanglingLink
                                         ? "wepn: The file '" + list + "' does not exist.\n"
                                         : "wepn: " + list + ": error: " + kind.reason + "\n";
        const std::vector<std::vector<std::string>> runs = {
            {"resave", "--data", dir / "Data", "--in-place", weapon},
            {"set", "--data", dir / "Data", "accuracy.BigShips=0.5", "--", weapon},
            {"dump", "--data", dir / "Data", weapon},
        };
        for (const auto& args : runs) {
            const ToolRun run = runWepnExecutable(args);
            EXPECT_EQ(run.code, 1) << kind.name << " " << args[0];
            EXPECT_EQ(run.err, expected) << kind.name << " " << args[0];
            EXPECT_EQ(run.out, "") << kind.name << " " << args[0];
        }
        EXPECT_EQ(readFile(weapon), kWeapon) << kind.name;
        EXPECT_EQ(entryNames(dir / "w"), std::set<std::string>{"gun.wepn"}) << kind.name;
    }
}

} // namespace
} // namespace wepn::test
