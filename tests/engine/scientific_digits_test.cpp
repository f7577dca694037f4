// The integer road to fifteen digits against the C++ library's correctly
// rounded std::to_chars, and against ties built by hand.
#include "engine/scientific_digits.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace pilaro {
namespace {

std::string libraryText(double value) {
    std::array<char, 64> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                              std::chars_format::scientific, 14)
                    .ptr;
    return std::string(buffer.data(), end);
}

// The fast text, or "" where the value is left to the C library.
std::string fastText(double value) {
    char out[24];
    const std::size_t length = scientificDigits14(value, out);
    return std::string(out, length);
}

// Every value from 1E-08 up to just below 1E+15 is taken.
bool inCoveredRange(double value) {
    return value >= 1e-8 && value < 1e15;
}

void expectSameOrLeft(double value, int& taken) {
    const std::string fast = fastText(value);
    if (inCoveredRange(value)) {
        ASSERT_FALSE(fast.empty()) << libraryText(value);
    }
    if (fast.empty()) return;
    ++taken;
    ASSERT_EQ(fast, libraryText(value)) << std::hexfloat << value;
}

TEST(ScientificDigits14, MatchesTheLibraryOnRandomBitPatterns) {
    std::mt19937_64 random(20261209);
    // Binary exponents from well below 1E-08 to well above 1E+15.
    std::uniform_int_distribution<std::uint64_t> biased(1023 - 40, 1023 + 60);
    int taken = 0;
    for (int i = 0; i < 2'000'000; ++i) {
        const std::uint64_t bits =
            (biased(random) << 52) | (random() & ((std::uint64_t{1} << 52) - 1));
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        expectSameOrLeft(value, taken);
    }
    EXPECT_GT(taken, 1'000'000);
}

TEST(ScientificDigits14, MatchesTheLibraryOnShortDecimals) {
    // Figures as engineers type them: 123.456, 0.0183, 6037.51.
    std::mt19937_64 random(31);
    std::uniform_int_distribution<std::int64_t> mantissa(1, 9'999'999);
    std::uniform_int_distribution<int> power(-14, 14);
    int taken = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const std::string typed =
            std::to_string(mantissa(random)) + "e" + std::to_string(power(random));
        expectSameOrLeft(std::strtod(typed.c_str(), nullptr), taken);
    }
    EXPECT_GT(taken, 500'000);
}

TEST(ScientificDigits14, MatchesTheLibraryAtPowersOfTenAndTheirNeighbours) {
    int taken = 0;
    for (int power = -12; power <= 17; ++power) {
        const double ten = std::strtod(("1e" + std::to_string(power)).c_str(), nullptr);
        double below = ten;
        double above = ten;
        for (int step = 0; step < 64; ++step) {
            expectSameOrLeft(below, taken);
            expectSameOrLeft(above, taken);
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, 1e300);
        }
    }
    EXPECT_GT(taken, 2000);
}

// q + 0.5 with q of fifteen digits lies exactly halfway: the even neighbour.
TEST(ScientificDigits14, RoundsAWholeNumberAndAHalfToTheEvenDigit) {
    struct Tie {
        double value;
        const char* text;
    };
    const Tie ties[] = {
        {123456789012345.5, "1.23456789012346e+14"}, {123456789012344.5, "1.23456789012344e+14"},
        {100000000000000.5, "1.00000000000000e+14"}, {999999999999999.5, "1.00000000000000e+15"},
        {999999999999998.5, "9.99999999999998e+14"},
    };
    for (const Tie& tie : ties) EXPECT_EQ(fastText(tie.value), tie.text) << tie.text;
}

// a / 2^n with a odd is a * 5^n / 10^n exactly; where a * 5^n has sixteen
// digits, the sixteenth is a 5 and the value lies halfway between two
// fifteen-digit texts.
TEST(ScientificDigits14, RoundsBuiltSixteenDigitTiesToTheEvenDigit) {
    constexpr std::uint64_t kLeast16 = 1'000'000'000'000'000ULL;
    std::mt19937_64 random(7);
    int checked = 0;
    for (int n = 1; n <= 22; ++n) {
        std::uint64_t five = 1;
        for (int i = 0; i < n; ++i) five *= 5;
        const std::uint64_t lowest = (kLeast16 + five - 1) / five;
        const std::uint64_t highest = (kLeast16 * 10 - 1) / five;
        if (lowest > highest) continue;
        std::uniform_int_distribution<std::uint64_t> pick(lowest, highest);
        for (int i = 0; i < 2000; ++i) {
            const std::uint64_t a = pick(random) | 1;
            const std::uint64_t sixteen = a * five;
            if (a > highest || sixteen < kLeast16 || sixteen >= kLeast16 * 10) continue;
            ASSERT_EQ(sixteen % 10, 5U);
            std::uint64_t fifteen = sixteen / 10;
            if (fifteen % 2 != 0) ++fifteen;
            int exponent = 15 - n;
            if (fifteen == kLeast16) {
                fifteen /= 10;
                ++exponent;
            }
            const std::string digits = std::to_string(fifteen);
            char exponentText[16];
            std::snprintf(exponentText, sizeof exponentText, "e%c%02d", exponent < 0 ? '-' : '+',
                          std::abs(exponent));
            const std::string expected =
                digits.substr(0, 1) + "." + digits.substr(1) + exponentText;
            const double value = std::ldexp(static_cast<double>(a), -n);
            ASSERT_EQ(fastText(value), expected) << a << " / 2^" << n;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20000);
}

TEST(ScientificDigits14, LeavesWhatItDoesNotCoverToTheLibrary) {
    const double left[] = {0.0,
                           -1.0,
                           1e15,
                           1e300,
                           1e-9,
                           std::numeric_limits<double>::denorm_min(),
                           -0.0,
                           std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
    for (double value : left) EXPECT_EQ(fastText(value), "") << value;
}

}  // namespace
}  // namespace pilaro
