#include "engine/number_parse.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace pilaro {
namespace {

struct ParseCase {
    const char* text;
    double value;
};

TEST(ParseNumber, ReadsTheLongestLeadingNumber) {
    const ParseCase cases[] = {
        {"12.5kN", 12.5}, {"1 200", 1200}, {"-.5", -0.5},   {"- .5", -0.5},   {"2e3", 2000},
        {"2E3", 2000},    {"2d3", 2000},   {"2D-3", 0.002}, {"1.5e+2m", 150}, {"", 0},
        {" ", 0},         {"abc", 0},      {"-", 0},        {"+", 0},         {".", 0},
        {"+7", 7},        {"5.", 5},       {"1,5", 1},      {"1.2.3", 1.2},   {"2e", 2},
        {"2e+", 2},       {"2ex5", 2},     {"--5", 0},      {"\t3\n4 ", 34},  {"1 2 . 5 e 1", 125},
        {"\u30001", 0},  // an ideographic space is no blank
        {"0.1", 0.1},     {"1e-400", 0},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

// How much of the text the number was read from: what a field must hold
// wholly, blanks around it aside.
TEST(ReadLeadingNumber, TellsHowMuchOfTheTextItRead) {
    const struct {
        const char* text;
        std::size_t consumed;
        char marker;
    } cases[] = {
        {"12.5kN", 4, '\0'}, {" 5,000", 2, '\0'}, {"1 200 ", 5, '\0'}, {"5.", 2, '\0'},
        {".5", 2, '\0'},     {"2e", 1, '\0'},     {"2e+", 1, '\0'},    {"2 e 3 x", 5, 'e'},
        {"24D28", 5, 'D'},   {"1d-3", 4, 'd'},    {"-", 0, '\0'},      {".", 0, '\0'},
        {"abc", 0, '\0'},    {"", 0, '\0'},       {" ", 0, '\0'},      {"&H1F!", 4, '\0'},
        {"&H", 0, '\0'},     {"&HG", 0, '\0'},    {"& o 17", 6, '\0'},
    };
    for (const auto& c : cases) {
        const NumberReading reading = readLeadingNumber(c.text);
        EXPECT_EQ(reading.consumed, c.consumed) << '"' << c.text << '"';
        EXPECT_EQ(reading.exponentMarker, c.marker) << '"' << c.text << '"';
    }
}

TEST(ParseNumber, HexadecimalAndOctalAreNonNegativeWholeNumbers) {
    const ParseCase cases[] = {
        {"&H10", 16},
        {"&hff", 255},
        {"&HFFFF", 65535},
        {"&O17", 15},
        {"&o777x", 511},
        {"&H", 0},
        {"&O9", 0},
        {"&Hg", 0},
        {"-&H10", 0},
        {"&X10", 0},
        {"&", 0},
        {"& H 1 F", 31},
        {"&H1FFFFFFFFFFFFF", 9007199254740991.0},
    };
    for (const ParseCase& c : cases) EXPECT_EQ(parseNumber(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(parseNumber("&H20000000000000")));
    EXPECT_TRUE(std::isinf(parseNumber("&O7777777777777777777777")));
}

TEST(ParseNumber, HugeNumbersReadAsInfinityForTheRunToReject) {
    EXPECT_EQ(parseNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(parseNumber("-1e400"), -HUGE_VAL);
    EXPECT_EQ(parseNumber(std::string(400, '9')), HUGE_VAL);
}

TEST(ParseNumber, ThePeriodIsTheDecimalPointInAnyLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(parseNumber("1.5"), 1.5);
    EXPECT_EQ(parseNumber("1,5"), 1);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace pilaro
