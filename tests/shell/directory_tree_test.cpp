#include "shell/directory_tree.h"

#include <gtest/gtest.h>

namespace wepn {
namespace {

TEST(DirectoryTree, AncestorsRunFromTheRootDown) {
    struct Case {
        const char* path;
        QStringList ancestors;
    };
    const Case cases[] = {
        {"C:\\Data\\Weapon", {"C:\\", "C:\\Data", "C:\\Data\\Weapon"}},
        {"C:\\Data\\", {"C:\\", "C:\\Data"}},
        {"C:\\", {"C:\\"}},
        {"C:", {"C:\\"}},
        {"\\home\\me", {"\\", "\\home", "\\home\\me"}},
        {"Data\\Weapon", {"Data", "Data\\Weapon"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(directory_tree::ancestorsOf(QString::fromLatin1(c.path)), c.ancestors) << c.path;
    }
}

TEST(DirectoryTree, ChildrenJoinWithOneBackslash) {
    EXPECT_EQ(directory_tree::childOf(QStringLiteral("C:\\"), QStringLiteral("Data")),
              QStringLiteral("C:\\Data"))
        << "at a root";
    EXPECT_EQ(directory_tree::childOf(QStringLiteral("C:\\Data"), QStringLiteral("Weapon")),
              QStringLiteral("C:\\Data\\Weapon"))
        << "below a root";
}

} // namespace
} // namespace wepn
