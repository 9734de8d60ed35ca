#include "shell/directory_tree.h"
#include "shell/drive_list.h"
#include "shell/path_text.h"

#include <gtest/gtest.h>

namespace wepn {
namespace {

using Paths = std::vector<std::string>;

TEST(DirectoryTree, AncestorsRunFromTheDrivesRootDown) {
    struct Case {
        std::string path;
        std::string root;
        Paths ancestors;
    };
    const Case cases[] = {
        {"/home/me/Data/Weapon",
         "/",
         {"/", "/home", "/home/me", "/home/me/Data", "/home/me/Data/Weapon"}},
        {"/home/me/Data", "/home/me", {"/home/me", "/home/me/Data"}},
        {"/home/me", "/home/me", {"/home/me"}},
        {"/", "/", {"/"}},
        {"/a\\b/c\nd", "/", {"/", "/a\\b", "/a\\b/c\nd"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(directory_tree::ancestorsOf(c.path, c.root), c.ancestors) << c.path;
    }
}

TEST(DirectoryTree, PathsAreMadeAbsoluteAndJoinedWithOneSlash) {
    EXPECT_EQ(directory_tree::absoluteOf("/a/./b/../c/"), "/a/c");
    EXPECT_EQ(directory_tree::absoluteOf("/"), "/");
    EXPECT_EQ(directory_tree::absoluteOf("/a\\b//c"), "/a\\b/c") << "a backslash is a name's";
    EXPECT_EQ(directory_tree::childOf("/", "Data"), "/Data");
    EXPECT_EQ(directory_tree::childOf("/home/me/", "Data"), "/home/me/Data");
    EXPECT_EQ(directory_tree::childOf("/home/me", "a\\b.wepn"), "/home/me/a\\b.wepn");
    EXPECT_EQ(directory_tree::lastNameOf("/home/me/a\\b.wepn"), "a\\b.wepn");
    EXPECT_EQ(directory_tree::lastNameOf("/"), "/");
}

// The longest root that holds the path; "/home/meat" is not in "/home/me".
TEST(DriveList, TheDriveHoldingAPathHasTheLongestRoot) {
    const QList<DriveEntry> drives{
        {QStringLiteral("/"), "/", "/"},
        {QStringLiteral("/home/me"), "/home/me", "/home/me"},
        {QStringLiteral("C: /home/me/.wine/drive_c"),
         "/home/me/.wine/dosdevices/c:", "/home/me/.wine/drive_c"},
        {QStringLiteral("Z: /"), "/home/me/.wine/dosdevices/z:", "/"},
    };
    struct Case {
        std::string path;
        int index;
        std::string root;
    };
    const Case cases[] = {
        {"/usr/share", 0, "/"},
        {"/home/meat", 0, "/"},
        {"/home/me/Data", 1, "/home/me"},
        {"/home/me/.wine/drive_c/Games", 2, "/home/me/.wine/drive_c"},
        {"/home/me/.wine/dosdevices/c:/Games", 2, "/home/me/.wine/dosdevices/c:"},
        {"/home/me/.wine/dosdevices/z:", 3, "/home/me/.wine/dosdevices/z:"},
    };
    for (const Case& c : cases) {
        const std::optional<DriveMatch> match = driveHolding(drives, c.path);
        ASSERT_TRUE(match) << c.path;
        EXPECT_EQ(match->index, c.index) << c.path;
        EXPECT_EQ(match->root, c.root) << c.path;
    }
}

TEST(PathText, NamesAreShownForTheEye) {
    struct Case {
        std::string bytes;
        const char16_t* shown;
    };
    const Case cases[] = {
        {"plain.wepn", u"plain.wepn"},
        {"lance_\xC3\xA9\xE2\x82\xAC", u"lance_\u00E9\u20AC"},
        {"canon_\xE9.wepn", u"canon_\u00E9.wepn"},
        {"\xC3(\xFF\x80", u"\u00C3(\u00FF\uFFFD"},
        {"\xED\xA0\x80", u"\u00ED\u00A0\uFFFD"},
        {"\xE0\x80\xAF", u"\u00E0\uFFFD\u00AF"},
        {"new\nline\t\x7F", u"new\u240Aline\u2409\u2421"},
        {"back\\slash", u"back\\slash"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displayText(c.bytes), QString::fromUtf16(c.shown)) << c.bytes;
    }
}

} // namespace
} // namespace wepn
