// The short road for plain decimals against the C++ library's correctly
// rounded std::from_chars: the same bits for every text it takes, and no
// answer for any text it must leave to the library.
#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>

#include "engine/decimal_chars.h"

namespace pilaro {
namespace {

double libraryValue(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(ec, std::errc()) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ShortDecimalValue, GivesTheLibrarysBitsForPlainDecimals) {
    // Cells as engineers type them, the halfway cases of short decimals,
    // fifteen digits at each end, and a minus zero.
    for (const std::string text : {"0",
                                   "5000",
                                   "0.06",
                                   "1.2",
                                   "-3.75",
                                   "0.1",
                                   "0.3",
                                   "2.675",
                                   "1.005",
                                   ".5",
                                   "5.",
                                   "-0",
                                   "-.25",
                                   "000123.4500",
                                   "999999999999999",
                                   "0.00000000000001",
                                   "123456789.012345",
                                   "9007199254740.99",
                                   ".000000000000001",
                                   "1e0"}) {
        double value = 42;
        const bool taken = shortDecimalValue(text.data(), text.data() + text.size(), value);
        if (text == "1e0") {
            EXPECT_FALSE(taken);
            continue;
        }
        ASSERT_TRUE(taken) << text;
        EXPECT_TRUE(sameBits(value, libraryValue(text))) << text;
    }
}

TEST(ShortDecimalValue, AgreesWithTheLibraryOnRandomDecimals) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 200000; ++i) {
        const int count = 1 + static_cast<int>(random() % 15);
        const int point = static_cast<int>(random() % (count + 2)) - 1;  // -1: no period
        std::string text = random() % 4 == 0 ? "-" : "";
        for (int k = 0; k < count; ++k) {
            if (k == point) text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (point == count) text += '.';
        double value = 0;
        ASSERT_TRUE(shortDecimalValue(text.data(), text.data() + text.size(), value)) << text;
        ASSERT_TRUE(sameBits(value, libraryValue(text))) << text;
    }
}

TEST(ShortDecimalValue, LeavesEverythingElseToTheLibrary) {
    for (const std::string text :
         {"", "-", ".", "-.", "1234567890123456", "0.1234567890123456", "1e5", "1E-3", "+1",
          "1.2.3", "inf", "nan", " 1", "1 ", "1,5", "１"}) {
        double value = 42;
        EXPECT_FALSE(shortDecimalValue(text.data(), text.data() + text.size(), value)) << text;
        EXPECT_EQ(value, 42) << text;
    }
}

}  // namespace
}  // namespace pilaro
