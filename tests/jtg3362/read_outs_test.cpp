// The read-outs' decimals and directions, the texts each outcome fills,
// and the N-M curve the diagram draws.
#include <gtest/gtest.h>

#include <cmath>

#include "jtg3362/interaction_curve.h"
#include "jtg3362/messages.h"
#include "jtg3362/read_outs.h"
#include "jtg3362/run.h"

namespace pilaro::jtg3362 {
namespace {

TEST(Jtg3362ReadOuts, DecimalsRoundTowardsTheSafeSide) {
    struct Case {
        double value;
        int decimals;
        Rounding rounding;
        const char* text;
    };
    const Case cases[] = {
        {0.0183, 4, Rounding::Up, "0.0183"},  // a decimal is its own text
        {1234.56, 2, Rounding::Down, "1234.56"},
        {1234.567, 2, Rounding::Down, "1234.56"},
        {1234.561, 2, Rounding::Up, "1234.57"},
        {1234.569, 2, Rounding::Nearest, "1234.57"},
        {2.7 / 0.3, 2, Rounding::Up, "9.00"},  // 9.000000000000002: noise
        {9.00001, 2, Rounding::Up, "9.01"},
        {1.0000000000000002, 3, Rounding::UpStrict, "1.001"},
        {99.999, 2, Rounding::Up, "100.00"},
        {100.001, 2, Rounding::Down, "100.00"},
        {0.9999, 3, Rounding::Down, "0.999"},
        {10.0001, 0, Rounding::Up, "11"},
        {-0.001, 2, Rounding::Up, "0.00"},
        {-0.001, 2, Rounding::Down, "-0.01"},
        {-1.236, 2, Rounding::Up, "-1.23"},
        {1e-20, 2, Rounding::Up, "0.01"},
        {NAN, 2, Rounding::Up, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decimalText(c.value, c.decimals, c.rounding), c.text) << c.value;
}

// γ0 Nd is the decimal product, never a last bit above it: the verdict
// weighs it against the capacity as shown.
TEST(Jtg3362ReadOuts, DesignLoadIsTheDecimalProduct) {
    struct Case {
        double gamma0, Nd, load;
    };
    // 0.11 x 10 / 10 and 1.1 x 6000 are a bit above in doubles.
    const Case cases[] = {{1.0, 0.11, 0.11}, {1.1, 6000, 6600}, {0.9, 1234, 1110.6}};
    for (const Case& c : cases) {
        const Input in{Task::Check, "C30", "HRB400", c.gamma0, c.Nd, 0, 1.0, 0.05, 0, 50, {}};
        EXPECT_EQ(run(in).result.gamma0Nd, c.load) << c.gamma0 << ' ' << c.Nd;
    }
}

TEST(Jtg3362ReadOuts, EachTaskFillsItsOwnFigures) {
    Input in{Task::Design, "C30", "HRB400", 1.0, 5000, 1500, 1.2, 0.06, 10, 0, {}};
    const auto filled = [](const ReadOutTexts& t, ReadOut id) {
        return !t[readOutIndex(id)].empty();
    };
    ReadOutTexts t = readOuts(in.task, run(in));
    EXPECT_TRUE(filled(t, ReadOut::AgRequired) && filled(t, ReadOut::D40));
    EXPECT_FALSE(filled(t, ReadOut::RhoGiven));
    in.Nd = 40000;  // needs more than 5 %
    const Outcome enlarge = run(in);
    ASSERT_EQ(enlarge.status, Status::EnlargeSection);
    EXPECT_EQ(statusMessage(enlarge), "应加大截面尺寸！");
    t = readOuts(in.task, enlarge);
    EXPECT_TRUE(filled(t, ReadOut::Nu) && filled(t, ReadOut::Rho));
    EXPECT_FALSE(filled(t, ReadOut::AgRequired) || filled(t, ReadOut::D12));
    EXPECT_EQ(t[readOutIndex(ReadOut::Verdict)], "重新配筋！");
    in.task = Task::Check;
    in.As = 100;
    t = readOuts(in.task, run(in));
    EXPECT_TRUE(filled(t, ReadOut::RhoGiven));
    EXPECT_FALSE(filled(t, ReadOut::Rho) || filled(t, ReadOut::AgRequired));
    EXPECT_FALSE(filled(t, ReadOut::Zeta1) && in.l0 / in.D * 4 <= 17.5);
}

TEST(Jtg3362ReadOuts, CurveHoldsTheCapacityAndTheLoad) {
    const Input in{Task::Check, "C40", "HRB500", 1.1, 6000, 900, 1.5, 0.07, 12, 197.04, 32};
    const Outcome out = run(in);
    const std::optional<InteractionCurve> curve = interactionCurve(in, out);
    ASSERT_TRUE(curve.has_value());
    ASSERT_EQ(curve->points.size(), 255u);
    // N rises along the curve; the first states are in tension.
    EXPECT_LT(curve->points.front().N, 0);
    for (std::size_t i = 1; i < curve->points.size(); ++i)
        EXPECT_GT(curve->points[i].N, curve->points[i - 1].N);
    // The capacity lies on the curve between its neighbours of the grid.
    const std::size_t i = static_cast<std::size_t>(out.result.alpha * kCurveSteps) - 1;
    EXPECT_LE(curve->points[i].N, out.result.Nud);
    EXPECT_GE(curve->points[i + 1].N, out.result.Nud);
    EXPECT_DOUBLE_EQ(curve->load.N, 6600);
    EXPECT_DOUBLE_EQ(curve->load.M, 6600 * out.result.eta * 0.15);
    EXPECT_EQ(curve->Nmax, out.result.Nmax);
    EXPECT_FALSE(interactionCurve(in, Outcome{Status::TooFewBars, {}}).has_value());
}

}  // namespace
}  // namespace pilaro::jtg3362
