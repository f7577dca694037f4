// The range scan's judgement of a stretch between coarse points, taken from
// second differences computed once per point, is the judgement written out
// with staysOnOneSide for each stretch, on every kind of neighbourhood.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/search/range_scan.h"

namespace pilaro {
namespace {

using search_detail::CoarsePoints;
using search_detail::kCoarseCount;
using search_detail::staysOnOneSide;

// The stretch from j to j + 1, judged from the trials as they stand.
bool quietAsWritten(const CoarsePoints& points, long j) {
    const auto at = [&](long i) -> const TrialOutcome& {
        return points.trial[static_cast<std::size_t>(i)];
    };
    for (long i = std::max(j - 1, 0L); i <= std::min(j + 2, kCoarseCount - 1); ++i)
        if (at(i).zeroDivisor || !at(i).finite) return false;
    const auto value = [&](long i, double TrialOutcome::*field) {
        return i < 0 || i >= kCoarseCount ? NAN : at(i).*field;
    };
    return staysOnOneSide(0, value(j - 1, &TrialOutcome::divisor), at(j).divisor, at(j + 1).divisor,
                          value(j + 2, &TrialOutcome::divisor)) &&
           staysOnOneSide(1, value(j - 1, &TrialOutcome::ratio), at(j).ratio, at(j + 1).ratio,
                          value(j + 2, &TrialOutcome::ratio));
}

TEST(CoarsePoints, StretchesAreJudgedAsWritten) {
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> unit(0, 1);
    long quiet = 0, loud = 0;
    for (int round = 0; round < 400; ++round) {
        CoarsePoints points;
        // Smooth ratios and divisors near 1 and 0, with now and then a
        // jump, an unusable trial or a value that is not finite.
        const double level = unit(random) * 3 - 0.5;
        const double slope = (unit(random) - 0.5) * 0.2;
        const double curve = (unit(random) - 0.5) * 0.01;
        for (long j = 0; j < kCoarseCount; ++j) {
            TrialOutcome& t = points.trial[static_cast<std::size_t>(j)];
            const double x = static_cast<double>(j);
            t.ratio = level + slope * x + curve * x * x;
            t.divisor = level - 1 + slope * x - curve * x * x;
            const double roll = unit(random);
            if (roll < 0.02) t.ratio = -t.ratio;
            if (roll > 0.98) t.zeroDivisor = true;
            if (roll > 0.97 && roll <= 0.98) {
                t.finite = false;
                t.ratio = roll > 0.975 ? INFINITY : NAN;
            }
        }
        points.takeBends();
        for (long j = 0; j + 1 < kCoarseCount; ++j) {
            const bool written = quietAsWritten(points, j);
            ASSERT_EQ(points.quietStretch(j), written) << "round " << round << " stretch " << j;
            (written ? quiet : loud) += 1;
        }
    }
    EXPECT_GT(quiet, 1000);
    EXPECT_GT(loud, 1000);
}

}  // namespace
}  // namespace pilaro
