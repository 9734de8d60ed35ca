// The round trip judged by the game: whatever Lua runs and the editor loads,
// the editor's save runs in Lua as well, gives the game exactly what the
// editor loads from it, keeps every line of code, and gives the game the
// same last call of each kind as the file or the load warned of the change. Over the sample data,
// the fuzz seeds and generated weapons of every fire type, with the sample family list (as the
// editor loads) and without one (as wepn does).
#include "game/game_round_trip.h"
#include "model/family_list.h"
#include "weapon_generator.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <sstream>

namespace wepn::test {
namespace {

using game::RoundTrip;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

FamilyRows sampleFamilies() {
    return readFamilyList(
        readFile(std::filesystem::path(WEPN_EXAMPLES_DIR) / "Scripts" / "familylist.lua"));
}

const char* outcomeName(RoundTrip outcome) {
    constexpr std::array<const char*, 8> names{"Lua refuses the input",
                                               "the editor refuses the input",
                                               "a save refuses a value",
                                               "statements cut from code",
                                               "holds",
                                               "holds, the game told of a change",
                                               "holds, the reading differs as check --game says",
                                               "FAILS"};
    return names[std::size_t(outcome)];
}

// Runs the round trip of scripts in both ways of loading and counts outcomes.
class Tally {
  public:
    explicit Tally(std::string what) : m_what(std::move(what)) {}

    // The outcome with the family list.
    RoundTrip check(const std::string& name, std::string_view script) {
        static const FamilyRows rows = sampleFamilies();
        const RoundTrip withList = record(name + " (family list)", script, rows);
        record(name + " (no family list)", script, std::nullopt);
        return withList;
    }

    ~Tally() {
        std::cout << m_what << ":";
        for (const auto& [outcome, count] : m_counts) {
            std::cout << " " << outcomeName(outcome) << " " << count << ";";
        }
        std::cout << "\n";
    }

  private:
    RoundTrip record(const std::string& name, std::string_view script,
                     const std::optional<FamilyRows>& rows) {
        const game::RoundTripResult result = game::checkRoundTrip(script, rows);
        ++m_counts[result.outcome];
        EXPECT_NE(result.outcome, RoundTrip::Fails) << name << ": " << result.detail << "\ninput:\n"
                                                    << script;
        EXPECT_NE(result.outcome, RoundTrip::CutFromCode) << name << "\ninput:\n" << script;
        return result.outcome;
    }

    std::string m_what;
    std::map<RoundTrip, std::size_t> m_counts;
};

TEST(GameRoundTrip, HoldsForTheSampleDataAndTheFuzzSeeds) {
    Tally tally("sample data and fuzz seeds");
    const std::filesystem::path examples(WEPN_EXAMPLES_DIR);
    // Two samples call functions the game lacks (setWeaponSound, lower-case names).
    std::size_t holding = 0;
    for (const auto& entry : std::filesystem::directory_iterator(examples / "Weapon")) {
        const RoundTrip outcome = tally.check(entry.path().string(), readFile(entry.path()));
        holding += outcome == RoundTrip::Holds || outcome == RoundTrip::Warned;
        EXPECT_TRUE(outcome == RoundTrip::Holds || outcome == RoundTrip::Warned ||
                    outcome == RoundTrip::GameRefusesInput)
            << entry.path();
    }
    EXPECT_GE(holding, 7u);
    for (const char* corpus : {"load_fuzz", "round_trip_fuzz", "game_round_trip_fuzz"}) {
        const std::filesystem::path dir = std::filesystem::path(WEPN_FUZZ_CORPUS_DIR) / corpus;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            tally.check(entry.path().string(), readFile(entry.path()));
        }
    }
}

TEST(GameRoundTrip, HoldsForTwoThousandGeneratedWeaponsOfEveryFireType) {
    constexpr std::size_t kPerFireType = 2000;
    for (const char* fireType : {"Bullet", "InstantHit", "Mine", "Missile", "SphereBurst"}) {
        Tally tally(std::string("generated ") + fireType + " weapons");
        WeaponGenerator generator(std::hash<std::string_view>{}(fireType));
        std::size_t covered = 0;
        for (std::size_t n = 0; covered < kPerFireType && n < 4 * kPerFireType; ++n) {
            const std::string script = generator.script(fireType);
            const RoundTrip outcome =
                tally.check(std::string(fireType) + " weapon " + std::to_string(n), script);
            if (outcome == RoundTrip::Holds || outcome == RoundTrip::Warned) {
                ++covered;
            }
        }
        EXPECT_EQ(covered, kPerFireType) << fireType;
    }
}

} // namespace
} // namespace wepn::test
