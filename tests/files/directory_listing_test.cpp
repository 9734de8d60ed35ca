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

} // namespace
} // namespace wepn
