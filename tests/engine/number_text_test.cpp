#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace pilaro {
namespace {

struct TextCase {
    double value;
    const char* text;
};

TEST(NumberToText, LaysOutDigitsAsTheReadOutFieldsShowThem) {
    const TextCase cases[] = {
        {28, " 28"},
        {0, " 0"},
        {-0.0, " 0"},
        {0.5656, " .5656"},
        {-0.12345, "-.12345"},
        {-0.1234, "-.1234"},
        {207.021, " 207.021"},
        {0.0183, " .0183"},
        {1.22629, " 1.22629"},
        {0.5263, " .5263"},
        {6037.51, " 6037.51"},
        {0.004, " .004"},
        {28.999, " 28.999"},
        {100, " 100"},
        {-2.5, "-2.5"},
        // fifteen significant digits, the last rounded
        {0.1 + 0.2, " .3"},
        {1.0 / 3.0, " .333333333333333"},
        {2.0 / 3.0, " .666666666666667"},
        {123456789012345, " 123456789012345"},
        {0.5263999999999988, " .526399999999999"},
        // exponent form outside 1E-05 .. 1E+15
        {1e15, " 1E+15"},
        {999999999999999.9, " 1E+15"},
        {1.5e-7, " 1.5E-07"},
        {-2.5e-6, "-2.5E-06"},
        {0.00001, " .00001"},
        {1.2e100, " 1.2E+100"},
        {5e-324, " 4.94065645841247E-324"},
        {-1.7976931348623157e308, "-1.79769313486232E+308"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(numberToText(c.value), c.text) << c.value;
}

// The read-out text put together from its parts one string at a time, as
// the rule reads: fifteen digits, trailing zeros dropped, then the point
// or the exponent placed.
std::string slowNumberText(double value) {
    if (value == 0) return " 0";
    std::array<char, 64> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                              std::chars_format::scientific, 14)
                    .ptr;
    const std::string scientific(buffer.data(), end);
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, 14);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(scientific.c_str() + 17);
    std::string text(1, value < 0 ? '-' : ' ');
    if (exponent >= 15 || exponent < -5) {
        std::string shown = std::to_string(std::abs(exponent));
        if (shown.size() < 2) shown.insert(0, "0");
        return text + digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") +
               (exponent < 0 ? "E-" : "E+") + shown;
    }
    if (exponent < 0)
        return text + "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
    return text + digits.substr(0, whole) + "." + digits.substr(whole);
}

TEST(NumberToText, AgreesWithTheTextBuiltPartByPart) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> magnitude(-9, 17);
    for (int i = 0; i < 200000; ++i) {
        double value = std::pow(10.0, magnitude(random));
        // Some with few digits, as loads and areas are typed.
        if (i % 3 == 0) value = std::round(value * 1000) / 1000;
        if (i % 2 == 0) value = -value;
        ASSERT_EQ(numberToText(value), slowNumberText(value)) << value;
    }
}

TEST(NumberToText, NonFiniteValuesWriteNothing) {
    EXPECT_EQ(numberToText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(numberToText(std::nan("")), "");
}

TEST(FloorToDecimals, RoundsTowardMinusInfinity) {
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    const Case cases[] = {
        {0.5263999999999988, 4, 0.5263},
        {0.5264, 4, 0.5264},
        {-0.12341, 4, -0.1235},
        {28.999999999999996, 3, 28.999},
        {6856.0178, 3, 6856.017},
        {0.000086, 4, 0},
        {12.5, 0, 12},
        {1.999999, 5, 1.99999},
    };
    for (const Case& c : cases)
        EXPECT_EQ(floorToDecimals(c.value, c.decimals), c.expected) << c.value;
}

}  // namespace
}  // namespace pilaro
