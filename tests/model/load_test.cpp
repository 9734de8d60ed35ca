#include "model/load.h"
#include "test_support.h"
#include "weapon_generator.h"

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
    return script({kConfigLine, "setPenetration(NewWeaponType,5,0.5,", penetration,
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

TEST(Load, FamilyRowsThatDoNotReadFailTheLoad) {
    const FamilyRows rows{{"A - B - N"}, {}};
    const auto outcome = loadWeapon({}, rows, script({kConfigLine}));
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
