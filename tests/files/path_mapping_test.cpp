#include "files/path_mapping.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace wepn {
namespace {

TEST(PathMapping, MapsDrivesSeparatorsAndLetterCase) {
    test::TempDir home;
    home.write(".wine/dosdevices/c:/Program Files/Halcyra/Data/Weapon/gun.wepn");
    home.makeDir(".wine/dosdevices/c:/Twins/Foo");
    home.makeDir(".wine/dosdevices/c:/Twins/FOO");
    home.makeDir(".wine/dosdevices/c:/\xC9t\xE9");
    home.makeDir("my\\repo/Data/sub");
    home.write("odd\\name.wepn");
    const std::string c = home / ".wine/dosdevices/c:";

    struct Case {
        std::string windowsPath;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Halcyra\\Data", c + "/Program Files/Halcyra/Data"},
        {"c:\\PROGRAM FILES\\halcyra\\data\\WEAPON\\Gun.Wepn",
         c + "/Program Files/Halcyra/Data/Weapon/gun.wepn"},
        {"C:\\program files\\Missing\\weapon", c + "/Program Files/Missing/weapon"},
        {"C:\\Program Files\\Halcyra\\Data\\", c + "/Program Files/Halcyra/Data/"},
        {"C:\\\\Program Files", c + "//Program Files"},
        {"C:", c},
        {"C:program files", c + "/Program Files"},
        {"D:\\Games", home / ".wine/dosdevices/d:/Games"},
        {"C:\\twins\\foo", c + "/Twins/FOO"},
        {"C:\\\xE9T\xC9", c + "/\xC9t\xE9"},
        {home / "DOES-NOT-EXIST\\x", home / "DOES-NOT-EXIST/x"},
        {"no-such-dir-wepn\\Sub\\file", "no-such-dir-wepn/Sub/file"},
        // Names the file system holds with a backslash stay as they are.
        {home / "odd\\name.wepn", home / "odd\\name.wepn"},
        {home / "my\\repo/Data/NEW.wepn", home / "my\\repo/Data/NEW.wepn"},
        {home / "my\\repo/Data\\SUB\\x", home / "my\\repo/Data/sub/x"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(toNativePath(k.windowsPath, home.path()), k.expected)
            << "path '" << k.windowsPath << "'";
    }
}

} // namespace
} // namespace wepn
