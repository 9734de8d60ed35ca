#include "sheet/delimited_text.h"
#include "cli_fixture.h"
#include "sheet/cell_check.h"
#include "sheet/fingerprint.h"
#include "sheet/xlsx_table.h"
#include "weapon_generator.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace wepn::test {
namespace {

using nlohmann::json;

// Every file of a folder by name with its bytes.
std::map<std::string, std::string> folderBytes(const std::string& dir) {
    std::map<std::string, std::string> bytes;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        bytes[entry.path().filename().string()] = readFile(entry.path().string());
    }
    return bytes;
}

// The table's text with one cell of the row naming `file` replaced.
std::string withCell(const std::string& csv, const std::string& file, const std::string& column,
                     const std::string& value) {
    DelimitedText table = readDelimited(csv, ',');
    const std::vector<std::string>& header = table.records.at(0).cells;
    const auto at = std::find(header.begin(), header.end(), column) - header.begin();
    std::string text;
    for (DelimitedRecord& record : table.records) {
        if (record.cells.at(0) == file) {
            record.cells.at(at) = value;
        }
        for (std::size_t c = 0; c < record.cells.size(); ++c) {
            text += (c == 0 ? "" : ",") + delimitedCell(record.cells[c], ',');
        }
        text += "\r\n";
    }
    return text;
}

TEST(DelimitedTextTest, CellsRoundTripThroughQuoting) {
    const std::vector<std::string> cells{"plain",    "a,b", "say \"hi\"", "two\r\nlines",
                                         "lf\nonly", "",    "tab\there",  "é"};
    for (const char delimiter : {',', '\t'}) {
        std::string text;
        for (int row = 0; row < 2; ++row) {
            for (std::size_t c = 0; c < cells.size(); ++c) {
                text +=
                    (c == 0 ? "" : std::string(1, delimiter)) + delimitedCell(cells[c], delimiter);
            }
            text += "\r\n";
        }
        const DelimitedText read = readDelimited(text, delimiter);
        ASSERT_EQ(read.error, "") << text;
        ASSERT_EQ(read.records.size(), 2u) << text;
        EXPECT_EQ(read.records[1].cells, cells) << text;
        EXPECT_EQ(read.records[1].line, 4u) << "the first row spans three lines";
    }
    EXPECT_EQ(delimitedCell("a,b", '\t'), "a,b");
    EXPECT_EQ(delimitedCell("say \"hi\"", ','), "\"say \"\"hi\"\"\"");
    EXPECT_NE(readDelimited("a,\"b\nc", ',').error.find("line 1"), std::string::npos);
    EXPECT_NE(readDelimited("a\n\"b\"c", ',').error.find("line 2"), std::string::npos);
}

TEST(SheetCellsTest, TextsSurviveMarkingAndWorkbooks) {
    const std::vector<std::string> texts{"=1+1", "+x",   "-x",  "@x",  "'", "''",    "'=x",
                                         "'a",   "0012", "1E5", "3/4", "",  "Jäger", "a \"b\""};
    std::vector<std::vector<SheetCell>> rows{{{"text", false}, {"number", false}}};
    for (const std::string& text : texts) {
        EXPECT_EQ(unmarkedText(markedText(text)), text);
        EXPECT_EQ(markedText(text) != text,
                  !text.empty() && (std::string("=+-@").find(text[0]) != std::string::npos ||
                                    text.starts_with("''") || text.starts_with("'=")))
            << text;
        rows.push_back({{text, false}, {"0.375", true}});
    }
    rows.push_back({{"tiny", false}, {"1E-05", true}});
    std::string bytes;
    ASSERT_EQ(xlsxBytes(rows, bytes), std::nullopt);
    const auto read = readXlsx(bytes);
    ASSERT_TRUE(read) << read.error();
    ASSERT_EQ(read->size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ((*read)[r].number, r + 1);
        EXPECT_EQ((*read)[r].cells.at(0), rows[r][0].text) << r;
        EXPECT_EQ((*read)[r].cells.at(1), rows[r][1].text) << r;
    }
    EXPECT_FALSE(readXlsx("PK\x03\x04 broken"));
}

TEST_F(CliTest, TableThenApplyUnchangedTouchesNothing) {
    std::filesystem::copy(WEPN_EXAMPLES_DIR, path("Examples"),
                          std::filesystem::copy_options::recursive);
    WeaponGenerator generator(14);
    for (int i = 0; i < 40; ++i) {
        write("Data/Generated/w" + std::to_string(i) + ".wepn", generator.script("Bullet"));
    }
    for (const std::string folder : {"Examples/Weapon", "Data/Generated"}) {
        const std::map<std::string, std::string> before = folderBytes(path(folder));
        for (const std::string format : {"csv", "tsv", "json"}) {
            for (const bool data : {true, false}) {
                std::vector<std::string> args{"table", "--format", format, path(folder)};
                const std::string dataDir =
                    folder == "Data/Generated" ? this->dataDir() : path("Examples");
                if (data) {
                    args.insert(args.begin() + 1, {"--data", dataDir});
                }
                const ToolRun table = run(args);
                const std::string tablePath =
                    write((data ? "Data/table." : "table.") + format, table.out);
                std::vector<std::string> apply{"apply", tablePath};
                if (data) {
                    apply.insert(apply.begin() + 1, {"--data", dataDir});
                }
                const ToolRun applied = run(apply);
                const std::string where = folder + " " + format + (data ? " --data" : "");
                EXPECT_EQ(applied.code, 0) << where << ": " << applied.err;
                EXPECT_EQ(applied.out, "") << where;
                EXPECT_GE(std::count(table.out.begin(), table.out.end(), '\n'), 9) << where;
                EXPECT_EQ(folderBytes(path(folder)), before) << where;
            }
        }
    }
}

TEST_F(CliTest, ApplyChangesExactlyTheChangedCell) {
    struct Case {
        const char* column;
        const char* value;
        const char* pointer;
        json expected;
    };
    const Case cases[] = {
        {"sWeaponFireName", "big é", "/sWeaponFireName", "big é"},
        {"sActivation", "Special Attack", "/sActivation", "Special Attack"},
        {"fWeaponFireRange", "3300.5", "/fWeaponFireRange", 3300.5},
        {"iMaxEffectsSpawned", "7", "/iMaxEffectsSpawned", 7},
        {"iWeaponFireAxis", "Up", "/iWeaponFireAxis", 2},
        {"iInstantHitThreshold", "100000", "/iInstantHitThreshold", 100000},
        {"penetration.Corvette", "0.75", "/penetration/Corvette", 0.75},
        {"accuracy.SmallCraft", "0.5", "/accuracy/SmallCraft/value", 0.5},
        {"accuracy.SmallCraft.damage", "1", "/accuracy/SmallCraft/damage", 1},
    };
    // A save writes the unrecognised lines after the statements, so only their texts compare.
    const auto dumped = [&](const std::string& file) {
        json dump = json::parse(run({"dump", "--data", dataDir(), file}).out);
        for (json& line : dump["unrecognised_lines"]) {
            line.erase("line");
        }
        return dump;
    };
    for (const Case& c : cases) {
        const std::string file = write("Data/w.wepn", kWeapon);
        const std::string other = write("Data/other.wepn", kWeapon);
        const ToolRun table = run({"table", "--data", dataDir(), file, other});
        ASSERT_EQ(table.code, 0) << table.err;
        const json before = dumped(file);
        const std::string tablePath =
            write("t.csv", withCell(table.out, "w.wepn", c.column, c.value));

        const ToolRun dry = run({"apply", "--data", dataDir(), "--dry-run", tablePath});
        EXPECT_EQ(dry.code, 0) << c.column << ": " << dry.err;
        EXPECT_EQ(readFile(file), kWeapon) << c.column << ": --dry-run wrote";
        const ToolRun applied = run({"apply", "--data", dataDir(), tablePath});
        EXPECT_EQ(applied.code, 0) << c.column << ": " << applied.err;
        EXPECT_EQ(applied.out, dry.out) << c.column;
        EXPECT_EQ(applied.out.rfind(file + ": ", 0), 0u) << c.column << ": " << applied.out;
        EXPECT_EQ(std::count(applied.out.begin(), applied.out.end(), '\n'), 1) << c.column;

        json expected = before;
        expected[json::json_pointer(c.pointer)] = c.expected;
        EXPECT_EQ(dumped(file), expected) << c.column;
        EXPECT_EQ(readFile(other), kWeapon) << c.column << ": the unchanged row was written";
    }
}

TEST_F(CliTest, TableReportsFilesThatFailAndKeepsTheOthers) {
    const std::string file = write("a.wepn", kWeapon);
    const std::string broken = write("b.wepn", "StartWeaponConfig(NewWeaponType,\"x\"\n");
    const ToolRun table = run({"table", "--columns", "fWeaponFireRange,results", file, broken});
    EXPECT_EQ(table.code, 1);
    EXPECT_EQ(table.out, "path,fWeaponFireRange,results,source\n" + file + ",3000,2," +
                             fingerprint(kWeapon) + "\n");
    EXPECT_EQ(table.err, run({"check", broken}).err);
    EXPECT_EQ(run({"table", "--columns", "fRange", file}).code, 2);
}

TEST_F(CliTest, TableListsAFolderAsTheOpenDialogDoes) {
    for (const char* name : {"b.wepn", "A.wepn", "c.WEPN.bak", ".hidden.wepn", "notes.txt"}) {
        write(std::string("Mod/") + name, kWeapon);
    }
    const ToolRun table = run({"table", "--columns", "results", path("Mod") + "/"});
    EXPECT_EQ(table.code, 0) << table.err;
    const std::string row = ",2," + fingerprint(kWeapon) + "\n";
    EXPECT_EQ(table.out, "path,results,source\n" + path("Mod/A.wepn") + row + path("Mod/b.wepn") +
                             row + path("Mod/c.WEPN.bak") + row);
}

} // namespace
} // namespace wepn::test
