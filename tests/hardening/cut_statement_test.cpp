// Every statement of a weapon cut short at each of its commas: the load names
// the line and what is missing, or reads the statement as far as it goes.
#include "hardening_fixture.h"
#include "model/load.h"

#include <gtest/gtest.h>

namespace wepn::hardening {
namespace {

const FamilyRows kRows{{"Fighter - N", "Capital - N"}, {"SmallCraft - N", "BigShips - N"}};

struct Cut {
    std::string name;   // statement line and comma, for messages and file names
    std::string script; // the weapon with that line cut before the comma
    std::size_t line;   // 1-based line of the cut statement
    std::string reason; // the load's reason, empty when the cut statement still loads
};

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

std::vector<Cut> everyCut() {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < kWeapon.size();) {
        const std::size_t end = kWeapon.find("\r\n", start);
        lines.emplace_back(kWeapon.substr(start, end - start));
        start = end + 2;
    }
    std::vector<Cut> cuts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find('(') == std::string::npos || line.starts_with("setWeaponSound")) {
            continue; // a table line, a comment or an unrecognised line
        }
        std::size_t comma = 0;
        for (std::size_t k = 1; (comma = line.find(',', comma)) != std::string::npos;
             ++k, ++comma) {
            std::string script;
            for (std::size_t j = 0; j < lines.size(); ++j) {
                script += (j == i ? line.substr(0, comma) : lines[j]) + "\r\n";
            }
            cuts.push_back({"line" + std::to_string(i + 1) + "_comma" + std::to_string(k), script,
                            i + 1, missing(line, k)});
        }
    }
    return cuts;
}

TEST(CutStatement, LoadNamesLineAndWhatIsMissing) {
    const std::vector<Cut> cuts = everyCut();
    ASSERT_EQ(cuts.size(), 25u + 6 + 6 + 5 + 2 + 3 + 2) << "every comma of every statement";
    for (const Cut& cut : cuts) {
        const auto outcome = loadWeapon({}, kRows, cut.script);
        if (cut.reason.empty()) {
            EXPECT_TRUE(outcome.ok()) << cut.name << ": " << outcome.error().reason;
            continue;
        }
        ASSERT_FALSE(outcome.ok()) << cut.name;
        EXPECT_EQ(outcome.error().line, cut.line) << cut.name;
        EXPECT_EQ(outcome.error().reason, cut.reason) << cut.name;
    }
}

TEST(CutStatement, CheckReportsEachCutFile) {
    const ScratchDir dir;
    std::vector<std::string> args{"check"};
    std::string expectedOut;
    std::string expectedErr;
    for (const Cut& cut : everyCut()) {
        args.push_back(dir.write(cut.name + ".wepn", cut.script));
        if (cut.reason.empty()) {
            expectedOut += args.back() + ": ok\n";
        } else {
            expectedErr +=
                args.back() + ":" + std::to_string(cut.line) + ": error: " + cut.reason + "\n";
        }
    }
    const ToolRun run = runWepnExecutable(args);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, expectedOut);
    EXPECT_EQ(run.err, expectedErr);
}

} // namespace
} // namespace wepn::hardening
