#include "model/burst_shots.h"
#include "model/number_text.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace wepn;

TEST(NumberText, WritesShortestFormOfFifteenDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {2500, "2500"},
        {0.5, "0.5"},
        {-1.25, "-1.25"},
        {0, "0"},
        {-0.0, "0"},
        {7.50, "7.5"},
        {-.5, "-0.5"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {100000, "100000"},
        {123456789012345, "123456789012345"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {-2.5e200, "-2.5E+200"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00005, "5E-05"},
        {1e-20, "1E-20"},
        {1.25e-300, "1.25E-300"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberText(c.value), c.text) << "value " << c.value;
    }
}

TEST(NumberText, TextReadsBackToTheSameText) {
    for (double value : {0.1, 1.0 / 7.0, 123.456, 6.02214076e23, 1e-7, -98765.4321}) {
        const std::string text = numberText(value);
        EXPECT_EQ(numberText(*readNumber(text)), text) << text;
    }
}

TEST(StrictReading, AcceptsOnlyDecimalForms) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"12.5", 12.5},
        {" \t12.5  ", 12.5},
        {"+3", 3},
        {"-.5", -0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"2.5e-1", 0.25},
        {"007", 7},
        {"1e-400", 0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"e5", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"1,000", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e400", std::nullopt},
        {"1 2", std::nullopt},
        {"12abc", std::nullopt},
        {"0.5)", std::nullopt},
        {"+-1", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readNumber(c.text), c.value) << "text '" << c.text << "'";
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

TEST(StrictReading, IntegersRoundHalfToEvenAndCheckRange) {
    const struct {
        const char* text;
        std::optional<std::int16_t> int16;
        std::optional<std::int32_t> int32;
    } cases[] = {
        {"2.5", 2, 2},
        {"3.5", 4, 4},
        {"-2.5", -2, -2},
        {"0.5", 0, 0},
        {"1.5", 2, 2},
        {"32767", 32767, 32767},
        {"-32768", -32768, -32768},
        {"32767.5", std::nullopt, 32768},
        {"40000", std::nullopt, 40000},
        {"100000", std::nullopt, 100000},
        {"2147483648", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readInt16(c.text), c.int16) << "int16 '" << c.text << "'";
        EXPECT_EQ(readInt32(c.text), c.int32) << "int32 '" << c.text << "'";
    }
}

TEST(LenientReading, TakesTheLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"0.5", 0.5}, {"  3abc", 3}, {"", 0}, {"abc", 0}, {"1e2x", 100}, {"1e", 1}, {".5.5", 0.5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readLenientNumber(c.text), c.value) << "text '" << c.text << "'";
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
