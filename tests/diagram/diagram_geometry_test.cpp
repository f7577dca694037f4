// The diagram's plain geometry: round axes, tick texts, names beside their
// markers, and members' names as safe file names.
#include <gtest/gtest.h>

#include <cmath>

#include "diagram/diagram_axes.h"
#include "diagram/diagram_file_names.h"
#include "diagram/diagram_labels.h"

namespace pilaro::test {
namespace {

using namespace pilaro::diagram;

TEST(DiagramAxis, HoldsItsRangeInFewRoundTicks) {
    const struct {
        double low, high;
        int most;
        double step, first, last;
    } cases[] = {
        {0, 3277.3, 9, 500, 0, 3500},  // the example pier's moments
        {-3818.8, 17462.5, 9, 5000, -5000, 20000},
        {0.0011, 0.0013, 5, 0.00005, 0.0011, 0.0013},
        {-7, -3, 9, 0.5, -7, -3},
        {12, 12, 9, 0.5, 10.5, 13.5},  // one value: widened around it
        {0, 0, 9, 0.5, -1, 1},
        {5, 1, 9, 0.5, 1, 5},  // given the wrong way round
        {NAN, 3, 9, 0.5, -1, 1},
        {-1, 1, 2, 1, -1, 1},  // fewer than three ticks cannot cross zero
    };
    for (const auto& c : cases) {
        const Axis axis = roundAxis(c.low, c.high, c.most);
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.low << ".." << c.high;
        EXPECT_DOUBLE_EQ(axis.low, c.first) << c.low << ".." << c.high;
        EXPECT_DOUBLE_EQ(axis.high, c.last) << c.low << ".." << c.high;
        EXPECT_LE(static_cast<int>(axis.ticks.size()), std::max(c.most, 3));
        for (std::size_t k = 0; k < axis.ticks.size(); ++k)
            EXPECT_EQ(axis.ticks[k], (std::round(axis.low / axis.step) + k) * axis.step);
    }
}

TEST(DiagramAxis, TickTextsShowTheStepsDecimalsAndNoMinusZero) {
    const struct {
        double value, step;
        const char* text;
    } cases[] = {{2500, 500, "2500"},
                 {-5000, 5000, "-5000"},
                 {0.30000000000000004, 0.1, "0.3"},
                 {-0.0, 1, "0"},
                 {-1e-17, 0.1, "0.0"},
                 {0.25, 0.05, "0.25"},
                 {0.0012, 0.0001, "0.0012"}};
    for (const auto& c : cases) EXPECT_EQ(tickText(c.value, c.step), c.text) << c.value;
}

TEST(DiagramLabels, NoNameCoversAnotherNameOrAMarker) {
    const Box area{0, 0, 400, 300};
    std::vector<LabelWish> wishes;
    for (int i = 0; i < 30; ++i)  // a crowd, and one at the right edge
        wishes.push_back({150 + (i % 6) * 12.0, 100 + (i / 6) * 9.0, 60, 14});
    wishes.push_back({395, 150, 60, 14});
    const std::vector<std::optional<Box>> placed = placeLabels(wishes, area, 5, 25);
    ASSERT_EQ(placed.size(), wishes.size());
    ASSERT_TRUE(placed.front());  // the most important always finds room here
    int named = 0;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (!placed[i]) continue;
        ++named;
        EXPECT_LT(i, 25u);
        EXPECT_TRUE(placed[i]->inside(area));
        for (std::size_t j = 0; j < placed.size(); ++j) {
            const Box marker{wishes[j].x - 5, wishes[j].y - 5, 10, 10};
            EXPECT_FALSE(placed[i]->overlaps(marker)) << i << " covers marker " << j;
            if (j != i && placed[j]) {
                EXPECT_FALSE(placed[i]->overlaps(*placed[j])) << i << " and " << j;
            }
        }
    }
    EXPECT_GT(named, 5);
    EXPECT_FALSE(placed.back());  // past the most labels
}

TEST(DiagramFiles, AMembersNameStaysInTheDiagramDirectory) {
    const struct {
        std::string member;
        bool hasColumn;
        std::string stem;
    } cases[] = {
        {"P1", true, "P1"},
        {"桥墩 3（左）", true, "桥墩 3（左）"},
        {"../etc/passwd", true, "_._etc_passwd"},
        {".hidden", true, "_hidden"},
        {"a\\b:c*?\"<>|\t", true, "a_b_c_______"},
        {"x\xff\xc3", true, "x__"},  // not UTF-8
        {"", true, "no-member"},
        {"P1", false, "all-rows"},
        {std::string(50, 'a') + std::string(30, 'z') + "桥墩桥墩桥墩桥墩桥墩", true,
         std::string(50, 'a') + std::string(30, 'z') + "桥墩桥墩桥墩"},  // 98 bytes
    };
    for (const auto& c : cases) EXPECT_EQ(fileStem(c.member, c.hasColumn), c.stem) << c.member;
}

}  // namespace
}  // namespace pilaro::test
