#include "files/custom_fso.h"
#include "files/path_mapping.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace wepn {
namespace {

TEST(CustomFsoGetFileName, CutsAtTheLastDelimiter) {
    struct Case {
        const char* path;
        const char* delimiter;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Data\\Weapon\\heavy_gun.wepn", "\\", "heavy_gun.wepn"},
        {"C:\\Data\\Weapon\\heavy_gun.wepn", "", "heavy_gun.wepn"},
        {"C:\\Data\\Weapon\\", "", ""},
        {"heavy_gun.wepn", "", ""},
        {"", "", ""},
        {"/home/u/Weapon/gun.wepn", "", "gun.wepn"},
        {"C:\\Data/Weapon\\gun.wepn", "\\", "gun.wepn"},
        {"C:\\Data\\Weapon/gun.wepn", "", "gun.wepn"},
        {"a::b::c", "::", "c"},
        {"aaa", "aa", "a"},
        {"a/b/c", "x", ""},
        {"a\\b/c", "/", "c"},
    };
    const CustomFSO fso;
    for (const Case& c : cases) {
        EXPECT_EQ(fso.GetFileName(c.path, c.delimiter), c.expected)
            << "path '" << c.path << "' delimiter '" << c.delimiter << "'";
    }
}

// A fake home whose Wine prefix has a C: drive linked to drive_c, as Wine sets it up.
class CustomFsoOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        m_home.makeDir(".wine/dosdevices");
        m_home.write("drive_c/Data/Weapon/gun.wepn");
        m_home.write("drive_c/Data/.hidden.wepn");
        m_home.makeDir("drive_c/Data/.cache");
        std::filesystem::create_directory_symlink(m_home / "drive_c",
                                                  m_home / ".wine/dosdevices/c:");
        setHomeDirectoryOverride(m_home.path());
    }
    void TearDown() override { setHomeDirectoryOverride(std::nullopt); }

    test::TempDir m_home;
};

TEST_F(CustomFsoOnDisk, ExistenceTestsTellFilesFromDirectories) {
    struct Case {
        const char* path;
        bool file;
        bool folder;
    };
    const Case cases[] = {
        {"C:\\Data", false, true},
        {"C:\\Data\\", false, true},
        {"c:\\DATA\\weapon", false, true},
        {"C:\\Data\\Weapon\\gun.wepn", true, false},
        {"C:\\Data\\Weapon\\GUN.WEPN", true, false},
        {"C:\\Data\\Weapon\\gun.wepn\\", false, false},
        {"C:\\Data\\Weapon\\*.wepn", true, false},
        {"C:\\Data\\Weapon\\g?n.WEPN", true, false},
        {"C:\\Data\\Weapon\\*.txt", false, false},
        {"C:\\Data\\Weapon\\gun", false, false},
        {"C:\\Data\\.hidden.wepn", false, false},
        {"C:\\Data\\*.wepn", false, false},
        {"C:\\Data\\.cache", false, true},
        {"C:\\Missing\\gun.wepn", false, false},
        {"C:\\Missing", false, false},
        {"Q:\\Data", false, false},
        {"Q:\\", false, false},
        {"", false, true},
    };
    const CustomFSO fso;
    for (const Case& c : cases) {
        EXPECT_EQ(fso.FileExists(c.path), c.file) << "FileExists '" << c.path << "'";
        EXPECT_EQ(fso.FolderExists(c.path), c.folder) << "FolderExists '" << c.path << "'";
    }
}

} // namespace
} // namespace wepn
