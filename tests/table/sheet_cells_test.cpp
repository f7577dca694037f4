// The workbook's column widths: each column as wide as its widest text,
// Chinese characters two digits wide, a header with room for the filter's
// button, between the narrowest and widest a column gets; and a width as
// the file stores it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/sheet_cells.h"

namespace pilaro::table {
namespace {

TEST(SheetColumnWidths, FitTheWidestTextOfEachColumn) {
    const SheetCell text{SheetCell::Kind::Text, "恒载+汽车（最大轴力）", 0, {}};
    const SheetCell number{SheetCell::Kind::Number, "207.021", 207.021, "#.000"};
    const SheetCell empty{};
    const SheetCell long_text{SheetCell::Kind::Text, std::string(100, 'x'), 0, {}};
    const struct {
        const char* what;
        std::vector<const SheetCell*> cells;
        double width;
    } cases[] = {
        // A header "名称": two wide characters and three for the button.
        {"only the header", {}, 7},
        {"an empty cell widens nothing", {&empty}, 7},
        // 8 wide characters, 2 full-width brackets and '+': 21, and one more.
        {"a Chinese name", {&text, &empty}, 22},
        {"a number as the table shows it", {&number}, 8},
        {"the widest", {&number, &text}, 22},
        {"a long message stops at the widest", {&long_text}, 60},
    };
    for (const auto& c : cases) {
        SheetColumnWidths widths;
        widths.fitHeader(0, "名称");
        for (const SheetCell* cell : c.cells) widths.fit(0, *cell);
        ASSERT_EQ(widths.widths().size(), 1u) << c.what;
        EXPECT_EQ(widths.widths()[0], c.width) << c.what;
    }
}

TEST(SheetColumnWidths, AColumnWithoutTextIsTheNarrowest) {
    SheetColumnWidths widths;
    widths.fitHeader(2, "a");
    EXPECT_EQ(widths.widths(), (std::vector<double>{4, 4, 4}));
}

TEST(SheetColumnWidths, AreStoredInPixelsOfADigitAndItsPadding) {
    // (width × 7 px rounded, + 5 px) / 7 px, cut to 1/256.
    const struct {
        double width;
        double stored;
    } cases[] = {
        {4, 1206.0 / 256},    // 33 px: 4.714… digits
        {22, 5814.0 / 256},   // 159 px
        {60, 15542.0 / 256},  // 425 px
        {8.5, 2377.0 / 256},  // 59.5 px rounds to 60, 65 px
    };
    for (const auto& c : cases) EXPECT_EQ(storedColumnWidth(c.width), c.stored) << c.width;
}

}  // namespace
}  // namespace pilaro::table
