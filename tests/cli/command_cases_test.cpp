#include "cli_fixture.h"
#include "sheet/fingerprint.h"

#include <filesystem>
#include <set>
#include <span>
#include <sstream>

namespace wepn::test {
namespace {

// One case of a file under tests/data/cli: see set.txt's head.
struct CommandCase {
    std::string name;
    std::vector<std::string> args;
    int code = 0;
    std::set<std::string> changed;
    std::vector<std::pair<std::string, std::string>> files; // "stderr" first, "stdout" if given
};

std::vector<CommandCase> commandCases(const std::string& text, const std::string& dir,
                                      const std::string& source) {
    const auto expand = [&](std::string line) {
        for (const auto& [key, value] : {std::pair{"{dir}", dir}, std::pair{"{source}", source}}) {
            for (std::size_t at; (at = line.find(key)) != std::string::npos;) {
                line.replace(at, std::string(key).size(), value);
            }
        }
        return line;
    };
    std::vector<CommandCase> cases;
    std::string* section = nullptr;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::string value = expand(line.substr(std::min(line.find(' ') + 1, line.size())));
        if (line.starts_with("=== ")) {
            cases.push_back({value, {}, 0, {}, {{"stderr", ""}}});
            section = nullptr;
        } else if (line.starts_with("--- ")) {
            auto& files = cases.back().files;
            const auto named = std::find_if(files.begin(), files.end(),
                                            [&](const auto& file) { return file.first == value; });
            section = named != files.end() ? &named->second : &files.emplace_back(value, "").second;
        } else if (section != nullptr) {
            *section += expand(line) + "\n";
        } else if (line.starts_with("args:")) {
            std::istringstream words(expand(line.substr(5)));
            for (std::string word; words >> word;) {
                cases.back().args.push_back(word);
            }
        } else if (line.starts_with("code: ")) {
            cases.back().code = std::stoi(value);
        } else if (line.starts_with("changed: ")) {
            cases.back().changed.insert(value);
        }
    }
    // The blank lines between cases belong to no section.
    for (CommandCase& c : cases) {
        for (auto& file : c.files) {
            while (file.second.ends_with("\n\n") || file.second == "\n") {
                file.second.pop_back();
            }
        }
    }
    return cases;
}

class CommandCasesTest : public CliTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CommandCasesTest, PrintAndChangeWhatTheCaseSays) {
    const std::string dir = std::filesystem::path(path("x")).parent_path().string();
    const std::vector<std::string> weapons{"mod/good.wepn", "mod/bad.wepn", "mod/notes.txt",
                                           "outside.wepn",  "Data/w.wepn",  "Small/w.wepn"};
    for (const CommandCase& c : commandCases(fixture(std::string("cli/") + GetParam() + ".txt"),
                                             dir, fingerprint(kWeapon))) {
        std::filesystem::remove_all(path("mod"));
        for (const std::string& weapon : weapons) {
            write(weapon, kWeapon);
        }
        write("mod/fake.wepn", "print(1)\n");
        std::filesystem::create_symlink("../outside.wepn", path("mod/link.wepn"));
        write("Small/Scripts/familylist.lua", "ArmourFamily = {{name=\"Fighter\"}}\n"
                                              "AttackFamily = {{name=\"SmallCraft\"}}\n");
        const std::string* out = nullptr;
        for (const auto& [file, bytes] : std::span(c.files).subspan(1)) {
            if (file == "stdout") {
                out = &bytes;
            } else {
                write(file, bytes);
            }
        }
        const ToolRun result = run(c.args);
        EXPECT_EQ(result.code, c.code) << c.name;
        EXPECT_EQ(result.err, c.files[0].second) << c.name;
        if (out != nullptr) {
            EXPECT_EQ(result.out, *out) << c.name;
        }
        for (const std::string& weapon : weapons) {
            EXPECT_EQ(readFile(path(weapon)) != kWeapon, c.changed.contains(weapon))
                << c.name << ": " << weapon;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Verbs, CommandCasesTest,
                         ::testing::Values("apply", "check", "set", "usage"));

} // namespace
} // namespace wepn::test
