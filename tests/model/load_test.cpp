#include "model/load.h"
#include "script_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace wepn;
using namespace wepn::test;

namespace {

const FamilyRows kRows{{"Fighter - N", "Frigate - N", "Capital - N"}, {"Small - N", "Big - N"}};

LoadOutcome load(const std::string& text, const std::optional<FamilyRows>& rows = kRows,
                 const WeaponState& current = {}, LoadedTables tables = LoadedTables::FromRows) {
    auto outcome = loadWeapon(current, rows, text, tables);
    EXPECT_TRUE(outcome.ok()) << (outcome.ok() ? "" : outcome.error().reason);
    return outcome.ok() ? outcome.value() : LoadOutcome{};
}

std::string withTables(const std::string& penetration, const std::string& accuracy) {
    return script({configLine(), "setPenetration(NewWeaponType,5,0.5,", penetration,
                   "setAccuracy(NewWeaponType,1,", accuracy});
}

// What a statement cut before comma k lacks. The tables' default values and
// the result's last argument may be missing; everything else is required.
std::string missing(std::string_view line, std::size_t k) {
    const std::string_view name = line.substr(0, line.find('('));
    if (name == "AddWeaponResult") {
        const char* quoted[] = {"", "condition", "effect", "target"};
        if (k <= 3) {
            return std::string("the ") + quoted[k] +
                   " of AddWeaponResult is missing its quoted text";
        }
        if (k == 6) {
            return line.find("SpawnWeaponFire") == std::string_view::npos
                       ? ""
                       : "the spawned effect of AddWeaponResult is missing its quoted text";
        }
    }
    if ((name == "setPenetration" || name == "setAccuracy") && k > 1) {
        return "";
    }
    return "argument " + std::to_string(k) + " of " + std::string(name) + " is missing";
}

} // namespace

TEST(Load, FillsRowsAndGivesUnnamedFamiliesDefaults) {
    const LoadOutcome outcome =
        load(withTables("{FIGHTER=0.25,},{Nobody=3,})", "{big=0.5, damage=1,})"));
    EXPECT_EQ(outcome.rows.armour,
              (std::vector<std::string>{"FIGHTER - 0.25", "Frigate - 0.5", "Capital - 0.5"}));
    EXPECT_EQ(outcome.rows.attack, (std::vector<std::string>{"Small - 1 - 0", "big - 0.5 - 1"}));
    const WeaponState& s = outcome.state;
    EXPECT_EQ(s.Penetration.sFamilies, (std::vector<std::string>{"FIGHTER", "Frigate", "Capital"}))
        << "one entry per row, in row order, spelled as the file spells it";
    EXPECT_EQ(s.Penetration.fValues, (std::vector<double>{0.25, 0.5, 0.5}));
    EXPECT_EQ(s.Accuracy.fValues, (std::vector<double>{1, 0.5}));
    EXPECT_EQ(s.Accuracy.iAlwaysDamage, (std::vector<std::int16_t>{0, 1}));
    EXPECT_EQ(load(withTables("{Frigate=0.1,},{frigate=0.2,})", "{})")).rows.armour[1],
              "Frigate - 0.1")
        << "a family named twice takes its first entry";
}

TEST(Load, WarnsOfFamiliesTheListLacks) {
    const LoadOutcome outcome =
        load(withTables("{Nobody=3,},{nobody=1,},{Fighter=1,})", "{Ghost=1,})"));
    ASSERT_GE(outcome.warnings.size(), 1u);
    EXPECT_EQ(outcome.warnings[0].kind, LoadWarning::Kind::FamiliesNotInList);
    EXPECT_EQ(outcome.warnings[0].text,
              "the family list lacks families that the file names; a save drops "
              "them: penetration Nobody; accuracy Ghost");
    EXPECT_TRUE(outcome.warnings[0].brief.empty()) << "a short list is its own brief";
    for (const LoadWarning& warning :
         load(withTables("{Nobody=3,})", "{})"), std::nullopt).warnings) {
        EXPECT_NE(warning.kind, LoadWarning::Kind::FamiliesNotInList) << "no family list";
    }
}

TEST(Load, BriefWarningNamesTwentyFamiliesOfEachTable) {
    std::string armour;
    std::string names;
    for (int k = 1; k <= 23; ++k) {
        armour += "{X" + std::to_string(k) + "=1,},";
        names += (k == 1 ? "X" : ", X") + std::to_string(k);
    }
    const LoadOutcome outcome = load(withTables(armour + ")", "{Ghost=1,})"));
    ASSERT_GE(outcome.warnings.size(), 1u);
    const std::string head =
        "the family list lacks families that the file names; a save drops them: penetration ";
    EXPECT_EQ(outcome.warnings[0].text, head + names + "; accuracy Ghost");
    EXPECT_EQ(outcome.warnings[0].brief,
              head + names.substr(0, names.find(", X21")) + " and 3 more; accuracy Ghost");
}

TEST(Load, WarnsOfAnUnknownFireType) {
    const struct {
        const char* name;
        std::string text;
        std::string message;
    } cases[] = {
        {"no config statement", "nothing\r\n",
         "Unrecognized weapon type: '' -- Please notify BrEnN."},
        {"blank around the type",
         script({configLine("\"Fixed\",\" Bullet\"," + kConfigArguments.substr(17))}),
         "Unrecognized weapon type: ' Bullet' -- Please notify BrEnN."},
    };
    for (const auto& c : cases) {
        const LoadOutcome outcome = load(c.text, std::nullopt);
        ASSERT_GE(outcome.warnings.size(), 1u) << c.name;
        EXPECT_EQ(outcome.warnings[0].text, c.message) << c.name;
    }
    for (const LoadWarning& warning : load(script({configLine()}), std::nullopt).warnings) {
        EXPECT_NE(warning.kind, LoadWarning::Kind::UnknownFireType) << warning.text;
    }
}

TEST(Load, NamesTheWeaponAndListsResultRows) {
    const LoadOutcome outcome = load(script({
        "StartWeaponConfig(Anything," + kConfigArguments + ")",
        "AddWeaponResult(NewWeaponType,\"Hit\",\"DamageHealth\",\"Target\",10,20.50,\"\")",
        "AddWeaponResult(NewWeaponType,\"Hit\",\"SpawnWeaponFire\",\"Target\",0,1,\"fx\")",
    }));
    EXPECT_EQ(outcome.state.CurrentWeapon.sWeaponName, "NewWeaponType");
    EXPECT_EQ(outcome.resultRows, (std::vector<std::string>{"Hit - DamageHealth - 10 - 20.5 - ",
                                                            "Hit - SpawnWeaponFire - 0 - 1 - fx"}));
}

TEST(Load, DropDownValuesMustBeShowable) {
    const auto withFlags = [](const std::string& activation, const std::string& axis,
                              const std::string& predict) {
        return script(
            {"x", configLine("\"Fixed\",\"Bullet\",\"s\",\"" + activation + "\",1,1,0,0,0," + axis +
                             ",1," + predict + ",1,0.25,1,2,1,0,0,0,1,\"N\",0,0,0")});
    };
    const struct {
        const char* name;
        std::string text;
        std::optional<std::string> activation; // stored spelling, or nothing when refused
        std::string reason;
    } cases[] = {
        {"activation in other case", withFlags("special attack", "1", "1"), "Special Attack", ""},
        {"empty activation selects nothing", withFlags("", "2", "-1"), "", ""},
        {"unknown activation", withFlags("Sometimes", "0", "0"), std::nullopt,
         "'Sometimes' is not a choice of sActivation: Normal, Special Attack or Normal Only "
         "(argument 4 of "
         "StartWeaponConfig)"},
        {"fire axis beyond its rows", withFlags("Normal", "3", "0"), std::nullopt,
         "'3' is not a choice of iWeaponFireAxis: 0 (Forward), 1 (Left) or 2 (Up) (argument 10 of "
         "StartWeaponConfig)"},
        {"yes/no beyond its rows", withFlags("Normal", "0", "2"), std::nullopt,
         "'2' is not a choice of iUseVelocityPred: 0 (No) or 1 (Yes) (argument 12 of "
         "StartWeaponConfig)"},
    };
    for (const auto& c : cases) {
        const auto outcome = loadWeapon({}, kRows, c.text);
        ASSERT_EQ(outcome.ok(), c.activation.has_value()) << c.name;
        if (outcome.ok()) {
            EXPECT_EQ(outcome->state.CurrentWeapon.sActivation, *c.activation) << c.name;
        } else {
            EXPECT_EQ(outcome.error().line, 2u) << c.name;
            EXPECT_EQ(outcome.error().reason, c.reason) << c.name;
        }
    }
}

TEST(Load, FamilyRowsThatDoNotReadFailTheLoad) {
    const FamilyRows rows{{"A - B - N"}, {}};
    const auto outcome = loadWeapon({}, rows, script({configLine()}));
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error().reason,
              "the armour family row 'A - B - N' does not read as a family and its values");
}

// Every statement of a weapon cut short at each of its commas: the load names
// the line and what is missing, or reads the statement as far as it goes.
TEST(Load, StatementCutAtAnyCommaNamesWhatIsMissing) {
    std::vector<std::string> lines;
    const std::string weapon = fixture("weapon.wepn");
    for (std::size_t start = 0; start < weapon.size();) {
        const std::size_t end = weapon.find("\r\n", start);
        lines.push_back(weapon.substr(start, end - start));
        start = end + 2;
    }
    std::size_t cuts = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find('(') == std::string::npos || line.starts_with("setWeaponSound")) {
            continue; // a table line, a comment or an unrecognised line
        }
        std::size_t comma = 0;
        for (std::size_t k = 1; (comma = line.find(',', comma)) != std::string::npos;
             ++k, ++comma) {
            std::string text;
            for (std::size_t j = 0; j < lines.size(); ++j) {
                text += (j == i ? line.substr(0, comma) : lines[j]) + "\r\n";
            }
            const std::string name =
                "line " + std::to_string(i + 1) + " comma " + std::to_string(k);
            const std::string reason = missing(line, k);
            const auto outcome = loadWeapon({}, kRows, text);
            ++cuts;
            if (reason.empty()) {
                EXPECT_TRUE(outcome.ok()) << name << ": " << outcome.error().reason;
                continue;
            }
            ASSERT_FALSE(outcome.ok()) << name;
            EXPECT_EQ(outcome.error().line, i + 1) << name;
            EXPECT_EQ(outcome.error().reason, reason) << name;
        }
    }
    EXPECT_EQ(cuts, 25u + 6 + 6 + 5 + 2 + 3 + 2) << "every comma of every statement";
}

TEST(Load, TablesCanStayAsTheFileNamesThem) {
    const std::string text = withTables("{Nobody=3,},{Fighter=1,})", "{Big=0.5, damage=1,})");
    const WeaponState fromNoRows = load(text, std::nullopt).state;
    EXPECT_TRUE(fromNoRows.Penetration.sFamilies.empty()) << "without a family list, no rows";
    EXPECT_TRUE(fromNoRows.Accuracy.sFamilies.empty());
    EXPECT_EQ(fromNoRows.Penetration.fDefaultPenetration, 0.5);
    const LoadOutcome outcome = load(text, kRows, {}, LoadedTables::AsNamed);
    EXPECT_EQ(outcome.state.Penetration.sFamilies, (std::vector<std::string>{"Nobody", "Fighter"}));
    EXPECT_EQ(outcome.state.Accuracy.iAlwaysDamage, (std::vector<std::int16_t>{1}));
    EXPECT_EQ(outcome.rows.armour[0], "Fighter - 1") << "the rows are presented all the same";
}

// A line of over ten megabytes naming 900000 families in one table: loading it
// against a family list used to compare every family with every other.
TEST(Load, TenMegabyteTableLineLoads) {
    std::string line = "setPenetration(NewWeaponType,5,0.5,";
    for (int i = 0; i < 900'000; ++i) {
        line += "{F" + std::to_string(i) + "=1},";
    }
    line += "{Fighter=0.25})\r\n";
    ASSERT_GT(line.size(), 10'000'000u);
    const LoadOutcome outcome = load(line);
    EXPECT_EQ(outcome.rows.armour,
              (std::vector<std::string>{"Fighter - 0.25", "Frigate - 0.5", "Capital - 0.5"}));
    ASSERT_EQ(outcome.warnings.size(), 3u);
    EXPECT_TRUE(outcome.warnings[0].text.ends_with(", F899998, F899999"))
        << "every family the list lacks is named once";
}
