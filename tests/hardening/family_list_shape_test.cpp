// Family lists whose block markers are missing or out of order: the reader
// keeps the rows it finds, and a resave says which of the weapon's families
// the list lacks (and so drops) instead of dropping them silently.
#include "hardening_fixture.h"
#include "model/family_list.h"
#include "model/load.h"
#include "model/script_writer.h"

#include <gtest/gtest.h>

namespace wepn::hardening {
namespace {

using Rows = std::vector<std::string>;

struct Shape {
    const char* name;
    const char* list;
    Rows armour;
    Rows attack;
    const char* dropped; // the families the resave warning names
};

const Shape kShapes[] = {
    {"no markers",
     "{ name = \"Fighter\", },\n{ name = \"BigShips\", },\n",
     {},
     {},
     "penetration Fighter, Capital; accuracy SmallCraft, BigShips"},
    {"end markers before start markers",
     "UnitCapsFamily = {}\nDockFamily = {}\nArmourFamily = {\n{ name = \"Fighter\", },\n}\n"
     "AttackFamily = {\n{ name = \"BigShips\", },\n}\n",
     {"Fighter - N", "BigShips - N"},
     {"BigShips - N"},
     "penetration Capital; accuracy SmallCraft"},
    {"attack block first",
     "AttackFamily = {\n{ name = \"BigShips\", },\n}\nDockFamily = {}\nArmourFamily = {\n"
     "{ name = \"Capital\", },\n}\nUnitCapsFamily = {}\n",
     {"Capital - N"},
     {"BigShips - N"},
     "penetration Fighter; accuracy SmallCraft"},
    {"no end markers",
     "ArmourFamily = {\n{ name = \"Fighter\", },\n}\nAttackFamily = {\n"
     "{ name = \"SmallCraft\", },\n}\n",
     {"Fighter - N", "SmallCraft - N"},
     {"SmallCraft - N"},
     "penetration Capital; accuracy BigShips"},
};

TEST(FamilyListShape, ReaderKeepsTheRowsItFinds) {
    for (const Shape& s : kShapes) {
        const FamilyRows rows = readFamilyList(s.list);
        EXPECT_EQ(rows.armour, s.armour) << s.name;
        EXPECT_EQ(rows.attack, s.attack) << s.name;
    }
}

TEST(FamilyListShape, ResaveWarnsOfTheFamiliesItDrops) {
    const ScratchDir dir;
    const std::string weapon = dir.write("gun.wepn", kWeapon);
    for (const Shape& s : kShapes) {
        const ToolRun run =
            runWepnExecutable({"resave", "--data", dir.dataDir("Data", s.list), weapon});
        EXPECT_EQ(run.code, 0) << s.name;
        EXPECT_EQ(run.err, weapon +
                               ": warning: the family list lacks families that the file names; "
                               "a save drops them: " +
                               s.dropped + "\n")
            << s.name;
        const auto loaded = loadWeapon({}, readFamilyList(s.list), kWeapon);
        ASSERT_TRUE(loaded.ok()) << s.name;
        EXPECT_EQ(run.out, *writeWeaponScript(loaded->state)) << s.name;
    }
}

} // namespace
} // namespace wepn::hardening
