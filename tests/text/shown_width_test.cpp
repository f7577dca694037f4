// How wide a text shows in a cell: a digit is one, a Chinese character or
// a full-width sign two, as a spreadsheet shows a Chinese table.
#include <gtest/gtest.h>

#include <string>

#include "text/shown_width.h"

namespace pilaro::test {
namespace {

TEST(ShownWidth, CountsWideCharactersTwice) {
    const struct {
        const char* what;
        std::string text;
        double width;
    } cases[] = {
        {"nothing", "", 0},
        {"a member's name", "P1", 2},
        {"a read-out", "207.021", 7},
        {"Chinese with a blank and a digit", "桥墩 3", 6},
        {"a steel grade's Roman numeral", "Ⅱ级", 4},
        {"a verdict with its full-width mark", "通过验算！", 10},
        {"a Latin letter with an accent", "é", 1},
        {"a character beyond the BMP", "\U0001F600", 2},
        {"bytes that start no character", "\xFF\xFE", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(text::shownWidth(c.text), c.width) << c.what;
}

}  // namespace
}  // namespace pilaro::test
