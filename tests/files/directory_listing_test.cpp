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
    for (const char* name : {"A.WEPN", "b.wepn.bak", "c.wepn", "mid.WePn.x"})
        EXPECT_TRUE(isWeaponFileName(name)) << name;
    for (const char* name : {"x.wep", "notes.txt", "wepn", "a.wep.n"})
        EXPECT_FALSE(isWeaponFileName(name)) << name;
}

// One pass gives each entry with its kind, a link as what it points to.
TEST(DirectoryListing, EntriesSayWhichAreDirectories) {
    test::TempDir dir;
    dir.write("gun.wepn");
    dir.makeDir("Sub");
    std::filesystem::create_symlink(dir / "Sub", dir / "to_sub");
    std::filesystem::create_symlink(dir / "gun.wepn", dir / "to_gun");
    std::vector<std::pair<std::string, bool>> entries;
    for (const DirectoryEntry& entry :
         listNativeEntries(dir.path(), EntryKinds::FilesAndDirectories))
        entries.emplace_back(entry.name, entry.directory);
    EXPECT_EQ(entries,
              (std::vector<std::pair<std::string, bool>>{
                  {"gun.wepn", false}, {"Sub", true}, {"to_gun", false}, {"to_sub", true}}));
}

} // namespace
} // namespace wepn
