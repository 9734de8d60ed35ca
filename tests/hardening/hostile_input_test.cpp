// Odd bytes pass through the built `wepn` unchanged. (Refused and
// largest files are cases in tests/data/hostile/sizes.cases.)
#include "model/load.h"
#include "model/script_writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace wepn::test {
namespace {

// Bytes 0x80 to 0xFF and NUL in every text position come out of `wepn resave`
// exactly as the model writes them.
TEST(HostileInput, ResaveKeepsOddBytes) {
    std::string odd;
    for (int c = 0x80; c <= 0xFF; ++c) {
        odd += static_cast<char>(c);
    }
    odd += '\0';
    std::string weapon = fixture("weapon.wepn");
    std::string list = fixture("familylist.lua");
    for (std::string_view text :
         {"Turret", "Bullet", "gun_fx", "Full", "Hit", "DamageHealth", "Target", "flak", "bang"}) {
        for (std::string* file : {&weapon, &list}) {
            for (std::size_t at; (at = file->find(text)) != std::string::npos;) {
                file->replace(at, text.size(), odd);
            }
        }
    }
    const TempDir dir;
    const ToolRun run = runWepnExecutable(
        {"resave", "--data", dir.dataDir("Data", list), dir.write("odd.wepn", weapon)});
    EXPECT_EQ(run.code, 0) << run.err;
    const auto loaded = loadWeapon({}, readFamilyList(list), weapon);
    ASSERT_TRUE(loaded.ok()) << loaded.error().reason;
    EXPECT_EQ(run.out, *writeWeaponScript(loaded->state));
    EXPECT_NE(run.out.find(odd), std::string::npos);
}

} // namespace
} // namespace wepn::test
