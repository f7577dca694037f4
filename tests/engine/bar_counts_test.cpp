#include "engine/bar_counts.h"

#include <gtest/gtest.h>

#include <vector>

namespace pilaro {
namespace {

struct BarCase {
    double area;  // cm^2
    std::vector<double> counts;
    double reported;
};

TEST(BarCounts, CountBarsAcceptingATenthOfABarShort) {
    const BarCase cases[] = {
        {45.23893344, {40, 30, 23, 18, 15, 12, 10, 8, 6, 5, 5}, 45.238},
        {207.0215762, {183, 135, 103, 82, 66, 55, 43, 34, 26, 23, 21}, 207.021},
        {31.415926, {28, 21, 16, 13, 10, 9, 7, 6, 4, 4, 3}, 31.415},
        {139.625444, {124, 91, 70, 55, 45, 37, 29, 23, 18, 16, 14}, 139.625},
        {28.999999999999996, {26, 19, 15, 12, 10, 8, 6, 5, 4, 4, 3}, 28.999},
    };
    for (const BarCase& c : cases) {
        const BarSelection s = barsForArea(c.area);
        EXPECT_EQ(s.Ag, c.reported) << c.area;
        for (std::size_t i = 0; i < c.counts.size(); ++i)
            EXPECT_EQ(s.counts[i], c.counts[i]) << c.area << ' ' << kBarSizes[i].label;
    }
}

TEST(BarCounts, D12AtItsEdges) {
    struct Case {
        double area;
        double count;
    };
    // 31.42 / 3.142 is exactly 10 in doubles; two steps lower the quotient
    // is 9.999999999999998 and the count is still 10.
    const Case cases[] = {{5.655, 5}, {5.765, 5}, {5.7681, 6}};
    for (const Case& c : cases) EXPECT_EQ(barsForArea(c.area).counts[0], c.count) << c.area;
    EXPECT_EQ(barsForArea(31.42).counts[4], 10);
    EXPECT_EQ(barsForArea(31.419999999999995).counts[4], 10);
    EXPECT_EQ(31.419999999999995 / 3.142, 9.999999999999998);
}

TEST(BarCounts, D36CountAbove16BitsIsKept) {
    const BarSelection s = barsForArea(400000);
    EXPECT_EQ(s.counts[10], 39297);  // 400000 / 10.179 = 39296.59
}

TEST(BarCounts, AreaFromTheDesignIsConvertedToSquareCentimetres) {
    EXPECT_EQ(selectBars(0.004523893344).Ag, 45.238);
    EXPECT_EQ(selectBars(0.0207021576).counts[0], 183);
}

}  // namespace
}  // namespace pilaro
