#include "model/family_list.h"

#include <gtest/gtest.h>

using namespace wepn;
using Rows = std::vector<std::string>;

TEST(FamilyList, ReadsBothBlocksInFileOrder) {
    const struct {
        const char* name;
        const char* text;
        Rows armour;
        Rows attack;
    } cases[] = {
        {"plain blocks",
         "ArmourFamily = {\r\n { name = \"Fighter\" },\r\n { name = \"Frigate\" },\r\n}\r\n"
         "UnitCapsFamily = {\r\n { name = \"Cap\" },\r\n}\r\n"
         "AttackFamily = {\n { name = \"SmallCraft\" },\n}\n"
         "DockFamily = {\r { name = \"Dock\" },\r}\r",
         {"Fighter - N", "Frigate - N"},
         {"SmallCraft - N"}},
        {"attack block first",
         "attackfamily\nname=\"A\"\ndockfamily\narmourfamily\nname=\"B\"\nunitcapsfamily\n",
         {"B - N"},
         {"A - N"}},
        {"markers in any case", "ARMOURFAMILY\nName=\"F\"\nUnitCapsFamily\n", {"F - N"}, {}},
        {"entry on the start line counts, on the end line not",
         "armourfamily name=\"S\"\nunitcapsfamily name=\"E\"\n",
         {"S - N"},
         {}},
        {"start and end marker on one line", "armourfamily unitcapsfamily name=\"X\"\n", {}, {}},
        {"name inside a longer word, other case",
         "armourfamily\nFamilyNAMEs = \"W\"\nunitcapsfamily\n",
         {"W - N"},
         {}},
        {"lone quote takes the rest",
         "armourfamily\nname = \"Rest of line\nunitcapsfamily\n",
         {"Rest of line - N"},
         {}},
        {"family named twice",
         "armourfamily\nname=\"A\"\nname=\"A\"\nunitcapsfamily\n",
         {"A - N", "A - N"},
         {}},
        {"lines without = or name skipped",
         "armourfamily\nname \"A\"\nx = \"B\"\nname=\"C\"\nunitcapsfamily\n",
         {"C - N"},
         {}},
        {"entry without a quote adds no row",
         "armourfamily\nname = Fighter\nunitcapsfamily\n",
         {},
         {}},
        {"no start marker", "name=\"A\"\nunitcapsfamily\n", {}, {}},
        {"end markers before start markers",
         "unitcapsfamily\ndockfamily\narmourfamily\nname=\"F\"\nattackfamily\nname=\"B\"\n",
         {"F - N", "B - N"},
         {"B - N"}},
        {"no end markers: the armour block runs on",
         "armourfamily\nname=\"F\"\nattackfamily\nname=\"S\"\n",
         {"F - N", "S - N"},
         {"S - N"}},
        {"file ends inside the block keeps the rows",
         "armourfamily\nname=\"A\"\nname=\"B\"",
         {"A - N", "B - N"},
         {}},
        {"empty file", "", {}, {}},
    };
    for (const auto& c : cases) {
        const FamilyRows rows = readFamilyList(c.text);
        EXPECT_EQ(rows.armour, c.armour) << c.name;
        EXPECT_EQ(rows.attack, c.attack) << c.name;
    }
}

TEST(FamilyList, KeepsEveryByte) {
    const FamilyRows rows = readFamilyList("armourfamily\nname=\"Caf\xE9 \x01\"\nunitcapsfamily\n");
    EXPECT_EQ(rows.armour, Rows{"Caf\xE9 \x01 - N"});
}
