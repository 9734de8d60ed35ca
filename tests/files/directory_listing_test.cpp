#include "files/directory_listing.h"
#include "files/path_mapping.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace wepn {
namespace {

using Names = std::vector<std::string>;

TEST(DirectoryListing, OrdersIgnoringCaseAndLeavesHiddenEntriesOut) {
    test::TempDir dir;
    for (const char* file : {"b.txt", "a.txt", "c.TXT", "A.txt", ".hidden", "\xC9t\xE9", "zed"})
        dir.write(file);
    dir.makeDir("Sub");
    dir.makeDir(".git");
    std::filesystem::create_symlink(dir / "b.txt", dir / "link");
    std::filesystem::create_symlink(dir / "gone", dir / "dangling");

    struct Case {
        const char* name;
        EntryKinds kinds;
        Names expected;
    };
    const Case cases[] = {
        {"files",
         EntryKinds::Files,
         {"A.txt", "a.txt", "b.txt", "c.TXT", "link", "zed", "\xC9t\xE9"}},
        {"files and directories",
         EntryKinds::FilesAndDirectories,
         {"A.txt", "a.txt", "b.txt", "c.TXT", "link", "Sub", "zed", "\xC9t\xE9"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(listDirectory(dir.path(), c.kinds), c.expected) << c.name;
}

TEST(DirectoryListing, MissingOrEmptyDirectoryListsNothing) {
    test::TempDir dir;
    dir.write("file");
    for (const std::string& path : {dir.makeDir("empty"), dir / "missing", dir / "file"}) {
        EXPECT_EQ(listDirectory(path, EntryKinds::FilesAndDirectories), Names{}) << path;
        EXPECT_EQ(weaponFireNames(path), Names{}) << path;
    }
}

TEST(DirectoryListing, WeaponFireNamesHaveNoDot) {
    test::TempDir dir;
    for (const char* sub : {"beam_blue", "BEAM_RED", "beam.old", ".hidden"})
        dir.makeDir(sub);
    dir.write("plain");
    dir.write("effect.lua");
    EXPECT_EQ(weaponFireNames(dir.path() + "\\"), (Names{"beam_blue", "BEAM_RED", "plain"}))
        << "directory with a trailing backslash";
}

TEST(DirectoryListing, WeaponFileNamesContainWepnAnywhere) {
    test::TempDir home;
    const std::string weapons = home.makeDir(".wine/dosdevices/c:/Data/Weapon");
    for (const char* file : {"A.WEPN", "b.wepn.bak", "x.wep", "notes.txt", ".h.wepn", "mid.WePn.x"})
        home.write(std::string(".wine/dosdevices/c:/Data/Weapon/") + file);
    home.makeDir(".wine/dosdevices/c:/Data/Weapon/c.wepn");

    setHomeDirectoryOverride(home.path());
    const Names names = weaponFileNames("c:\\data\\weapon");
    setHomeDirectoryOverride(std::nullopt);
    EXPECT_EQ(names, (Names{"A.WEPN", "b.wepn.bak", "c.wepn", "mid.WePn.x"}))
        << "weapon directory on drive C:";
}

} // namespace
} // namespace wepn
