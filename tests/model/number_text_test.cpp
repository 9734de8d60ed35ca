#include "model/burst_shots.h"
#include "model/number_text.h"
#include "test_support.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <sstream>

using namespace wepn;

// tests/data/model/numbers: a value and its text, and texts and what the
// strict, 16-bit, 32-bit and lenient readings make of them.
TEST(NumberText, WritesAndReadsTheListedForms) {
    std::istringstream rows(test::fixture("model/numbers"));
    std::size_t count = 0;
    for (std::string row; std::getline(rows, row);) {
        const std::size_t bar = row.find('|');
        const std::size_t last = row.rfind('|');
        if (row.starts_with('#') || bar == last) {
            continue;
        }
        const std::string kind = row.substr(0, bar);
        const std::string input = row.substr(bar + 1, last - bar - 1);
        const std::string expected = row.substr(last + 1);
        const auto text = [](auto value) { return value ? std::to_string(*value) : "none"; };
        const auto same = [&](std::optional<double> value) {
            return expected == "none" ? !value : value == std::strtod(expected.c_str(), nullptr);
        };
        if (kind == "text") {
            EXPECT_EQ(numberText(std::strtod(input.c_str(), nullptr)), expected) << row;
        } else if (kind == "number") {
            EXPECT_TRUE(same(readNumber(input))) << row;
        } else if (kind == "lenient") {
            EXPECT_TRUE(same(readLenientNumber(input))) << row;
        } else {
            EXPECT_EQ(kind == "int16" ? text(readInt16(input)) : text(readInt32(input)), expected)
                << row;
        }
        ++count;
    }
    EXPECT_EQ(count, 81u);
}

TEST(NumberText, TextReadsBackToTheSameText) {
    for (double value : {0.1, 1.0 / 7.0, 123.456, 6.02214076e23, 1e-7, -98765.4321}) {
        const std::string text = numberText(value);
        EXPECT_EQ(numberText(*readNumber(text)), text) << text;
    }
}

TEST(StrictReading, AgreesWithTheCLibraryOnRandomDecimals) {
    std::mt19937_64 random(20261206);
    for (int i = 0; i < 100000; ++i) {
        std::string text = std::to_string(random() % 10000000000000000ULL);
        text.insert(random() % (text.size() + 1), ".");
        if (text == ".") {
            continue;
        }
        if (random() % 3 == 0) {
            text += "e" + std::to_string(int(random() % 61) - 30);
        }
        EXPECT_EQ(readNumber(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(BurstShots, FollowsDelayAndLength) {
    const struct {
        const char* delay;
        const char* length;
        std::optional<std::string> shots;
    } cases[] = {
        {"0.5", "2", "4"},
        {"3", "1", "0.333333333333333"},
        {"0.4", "1", "2.5"},
        {"0", "2", std::nullopt},
        {"", "2", std::nullopt},
        {"0.5", "x", std::nullopt},
        {"0.5abc", "2", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(burstShotsText(c.delay, c.length), c.shots)
            << "delay '" << c.delay << "' length '" << c.length << "'";
    }
}
