#include "model/family_list.h"
#include "model/load.h"
#include "model/saved_script.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace wepn;

namespace {

// What a load of `input` reports, one line each: the error with its line, or
// the number of lines read, the warnings, the family rows and the result rows, then a refused save.
std::string messages(const LoadOutcome& outcome) {
    std::string text = "lines: " + std::to_string(outcome.state.strLines.size()) + "\n";
    for (const LoadWarning& warning : outcome.warnings) {
        text += "warning: " + warning.text + "\n";
        text += warning.brief.empty() ? "" : "brief: " + warning.brief + "\n";
    }
    for (const auto& [kind, rows] :
         {std::pair{"armour", &outcome.rows.armour}, std::pair{"attack", &outcome.rows.attack},
          std::pair{"result", &outcome.resultRows}}) {
        for (const std::string& row : *rows) {
            text += std::string(kind) + " row: " + row + "\n";
        }
    }
    return text;
}

} // namespace

// tests/data/model/load/*: input.wepn, loaded against familylist.lua (or the
// list familylist.from names) when the case has one (the tables then follow its rows) or as the
// file names them; `messages` holds what the load reports and saved.wepn what a save writes.
TEST(LoadCases, InputGivesTheExpectedMessagesAndSavedText) {
    const std::filesystem::path cases =
        std::filesystem::path(WEPN_TEST_DATA_DIR) / "model" / "load";
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(cases)) {
        const auto file = [&](const char* name) { return (entry.path() / name).string(); };
        // A list several cases share is named in `familylist.from`.
        std::string list = file("familylist.lua");
        if (std::filesystem::exists(file("familylist.from"))) {
            std::string shared = test::readFile(file("familylist.from"));
            list = (cases / shared.substr(0, shared.find('\n'))).string();
        }
        const bool hasList = std::filesystem::exists(list);
        const auto rows =
            hasList ? std::optional(readFamilyList(test::readFile(list))) : std::nullopt;
        const auto outcome = loadWeapon({}, rows, test::readFile(file("input.wepn")),
                                        hasList ? LoadedTables::FromRows : LoadedTables::AsNamed);
        std::string text;
        std::string saved;
        if (!outcome.ok()) {
            text = "error: line " + std::to_string(outcome.error().line) + ": " +
                   outcome.error().reason + "\n";
        } else {
            text = messages(*outcome);
            const auto bytes = savedScript(outcome->state);
            text += bytes.ok() ? ""
                               : "save refused: " + bytes.error().field + ": " +
                                     bytes.error().reason + "\n";
            saved = bytes.ok() ? *bytes : "";
        }
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(text, test::readFile(file("messages"))) << name;
        EXPECT_EQ(saved, std::filesystem::exists(file("saved.wepn"))
                             ? test::readFile(file("saved.wepn"))
                             : "")
            << name;
        ++count;
    }
    EXPECT_GE(count, 88u);
}
