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
