#include "game/editor_reading.h"
#include "game/game_differences.h"
#include "game/game_script.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace wepn::game {
namespace {

// tests/data/game/differences/*: input.wepn, and each value the game
// receives otherwise than the editor reads it, one a line.
TEST(GameDifferences, NamesEveryValueTheGameReceivesOtherwise) {
    const std::filesystem::path cases =
        std::filesystem::path(WEPN_TEST_DATA_DIR) / "game" / "differences";
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(cases)) {
        const std::string name = entry.path().filename().string();
        const std::string script = test::readFile((entry.path() / "input.wepn").string());
        const auto state = editorReading(script, std::nullopt);
        const auto calls = runAsGame(script);
        ++count;
        if (!state.ok() || !calls.ok()) {
            ADD_FAILURE() << name << ": " << (state.ok() ? "" : state.error().reason)
                          << (calls.ok() ? "" : calls.error().message);
            continue;
        }
        std::string differences;
        for (const std::string& line : gameDifferences(*state, *calls)) {
            differences += line + "\n";
        }
        EXPECT_EQ(differences, test::readFile((entry.path() / "differences").string())) << name;
    }
    EXPECT_GE(count, 15u);
}

} // namespace
} // namespace wepn::game
