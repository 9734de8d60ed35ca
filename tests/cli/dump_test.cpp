#include "cli_fixture.h"

#include <nlohmann/json.hpp>

namespace wepn::test {
namespace {

using nlohmann::json;

// Every value of the weapon once, the tables with a row for each family of the list.
TEST_F(CliTest, DumpWithDataPrintsTheWholeWeapon) {
    const std::string file = write("w.wepn", kWeapon);
    const ToolRun result = run({"dump", "--data", dataDir(), file});
    ASSERT_EQ(result.code, 0) << result.err;
    // Ordered: the tables keep the family list's order.
    nlohmann::ordered_json dump = nlohmann::ordered_json::parse(result.out);
    EXPECT_EQ(dump.at("file"), file);
    dump.erase("file");
    EXPECT_EQ(dump, nlohmann::ordered_json::parse(fixture("weapon.json")));
}

TEST_F(CliTest, DumpWithoutDataConvertsLatin1TextsToUtf8) {
    std::string weapon = kWeapon;
    weapon.replace(weapon.find("gun_fx"), 6, "caf\xe9");
    weapon.replace(weapon.find("Fighter"), 7, "F\xe9");
    weapon += "\xbfQu\xe9?\r\n";
    const ToolRun result = run({"dump", write("w.wepn", weapon)});
    ASSERT_EQ(result.code, 0) << result.err;
    const json dump = json::parse(result.out);
    EXPECT_EQ(dump.at("sWeaponFireName"), "caf\u00e9");
    EXPECT_EQ(dump.at("unrecognised_lines").at(1).at("text"), "\u00bfQu\u00e9?");
    EXPECT_EQ(dump.at("penetration"), json::parse(R"({"F\u00e9": 0.25, "Capital": 1.0})"))
        << "without a family list the tables are as the file names them";
}

// A family named twice keeps both values, in the file's order.
TEST_F(CliTest, DumpKeepsEveryValueOfARepeatedFamily) {
    std::string weapon = kWeapon;
    weapon.replace(weapon.find("{Capital=1,}"), 12, "{Fighter=1,}");
    weapon.replace(weapon.find("{BigShips=1, damage=1,}"), 23, "{SmallCraft=1, damage=1,}");
    const ToolRun result = run({"dump", write("w.wepn", weapon)});
    ASSERT_EQ(result.code, 0) << result.err;
    const json dump = json::parse(result.out);
    EXPECT_EQ(dump.at("penetration"), json::parse(R"({"Fighter": [0.25, 1.0]})"));
    EXPECT_EQ(dump.at("accuracy"), json::parse(R"({"SmallCraft": [{"value": 0.75, "damage": 0},
                                                                   {"value": 1.0, "damage": 1}]})"));
}

// Several files: an array, or one document a line with --lines; a file that
// fails is named on standard error and the others are still printed.
TEST_F(CliTest, DumpPrintsADocumentForEachFile) {
    std::string other = kWeapon;
    other.replace(other.find("2500"), 4, "2600");
    const std::string a = write("a.wepn", kWeapon);
    const std::string b = write("b.wepn", other);
    const std::string bad = write("bad.wepn", "");
    struct Case {
        std::vector<std::string> args;
        int code;
        bool lines;
    };
    const Case cases[] = {
        {{"dump", a, b}, 0, false},
        {{"dump", "--lines", a, b}, 0, true},
        {{"dump", a, bad, b}, 1, false},
        {{"dump", "--lines", bad, a, b}, 1, true},
    };
    for (const Case& c : cases) {
        const ToolRun result = run(c.args);
        const std::string name = (c.lines ? "lines " : "array ") + std::to_string(c.args.size());
        EXPECT_EQ(result.code, c.code) << name;
        EXPECT_EQ(result.err, c.code == 0 ? "" : bad + ": error: the file is empty\n") << name;
        json documents = json::array();
        if (c.lines) {
            std::istringstream lines(result.out);
            for (std::string line; std::getline(lines, line);) {
                documents.push_back(json::parse(line));
            }
        } else {
            documents = json::parse(result.out);
        }
        ASSERT_EQ(documents.size(), 2u) << name << ": " << result.out;
        EXPECT_EQ(documents[0].at("file"), a) << name;
        EXPECT_EQ(documents[1].at("file"), b) << name;
        EXPECT_EQ(documents[1].at("fWeaponFireSpeed"), 2600.0) << name;
        EXPECT_EQ(documents[0].at("format"), 1) << name;
    }
}

} // namespace
} // namespace wepn::test
