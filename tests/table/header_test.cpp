// The header row: every name a column goes by, with or without its unit in
// brackets, and the names and units that are refused; and the separator
// the header line shows.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "table/columns.h"
#include "table/header_names.h"
#include "table/separator.h"
#include "table/table_start.h"

namespace pilaro::test {
namespace {

using table::Column;

TEST(HeaderCell, AcceptsEachNameWithItsUnitAndRefusesTheRest) {
    const struct {
        const char* text;
        std::optional<Column> column;  // none: refused
        const char* problem;           // part of the refusal
    } cases[] = {
        {"轴向力", Column::Nj, ""},
        {"轴向力(kN)", Column::Nj, ""},
        {"轴向力（kN）", Column::Nj, ""},
        {"轴向力 ( KN )", Column::Nj, ""},
        {"轴力", Column::Nj, ""},
        {"Axial Force [kN]", Column::Nj, ""},
        {"NJ", Column::Nj, ""},
        {"计算弯矩(kN·m)", Column::Mj, ""},
        {"弯矩（kN.m）", Column::Mj, ""},
        {"Mj (kNm)", Column::Mj, ""},
        {"moment(kN*m)", Column::Mj, ""},
        {"直径（m）", Column::D, ""},
        {"截面直径", Column::D, ""},
        {"圆形直径(m)", Column::D, ""},
        {"保护层厚度（m）", Column::a, ""},
        {"cover", Column::a, ""},
        {"计算长度 l0", Column::l0, ""},
        {"计算长度l0(m)", Column::l0, ""},
        {"effective length", Column::l0, ""},
        {"钢筋面积 As（cm²）", Column::Ag, ""},
        {"钢筋面积(cm2)", Column::Ag, ""},
        {"As [cm^2]", Column::Ag, ""},
        {"纵向钢筋面积", Column::Ag, ""},
        {"钢筋", Column::Bars, ""},
        {"计算类型", Column::Type, ""},
        {"名称()", Column::Name, ""},
        {"直径(mm)", std::nullopt, "直径/D must be in m; no unit is converted"},
        {"直径（毫米）", std::nullopt, "直径/D must be in m; no unit is converted"},
        {"轴向力（MN）", std::nullopt, "轴向力/Nj must be in kN"},
        {"弯矩(kN)", std::nullopt, "弯矩/Mj must be in kN·m"},
        {"钢筋面积(mm2)", std::nullopt, "钢筋面积/Ag must be in cm²"},
        {"名称(kN)", std::nullopt, "名称/name has no unit"},
        {"轴向", std::nullopt, "column \"轴向\" is no known name: did you mean 轴向力?"},
        {"直径 m", std::nullopt, "did you mean 直径?"},
    };
    for (const auto& c : cases) {
        const table::HeaderCell cell = table::readHeaderCell(c.text);
        EXPECT_EQ(cell.column, c.column) << c.text;
        EXPECT_NE(cell.problem.english.find(c.problem), std::string::npos)
            << c.text << ": " << cell.problem.english;
    }
}

// Where no row names a column, the message names every column by its
// names.
TEST(HeaderRow, NoRowOfNamesListsTheAcceptedNames) {
    const std::vector<table::CellRow> records = {{1, {"备注", "说明"}, {}}};
    messages::Message error;
    EXPECT_FALSE(table::findHeader(records, error));
    for (const char* name :
         {"none of the first 10 rows is a header row", "名称, name", "轴力", "axial force",
          "计算弯矩", "保护层厚度", "截面直径", "计算长度 l0", "钢筋面积 As"})
        EXPECT_NE(error.english.find(name), std::string::npos) << name << " in " << error.english;
}

TEST(Separator, IsFoundFromTheHeaderLine) {
    const struct {
        const char* line;
        char separator;
    } cases[] = {
        {"名称,构件,类型", ','},
        {"名称;构件;类型", ';'},
        {"名称\t构件\t类型", '\t'},
        {"名称;\"a,b\";类型", ';'},          // a quoted comma is no separator
        {"名称;弯矩(kN,m);类型;直径", ';'},  // more semicolons than commas
        {" 名称 ,\t构件\t", ','},            // tabs as blanks of a comma's line
        {"名称", ','},
        {"a,b;c", ','},  // a tie
    };
    for (const auto& c : cases) EXPECT_EQ(table::separatorOf(c.line), c.separator) << c.line;
}

}  // namespace
}  // namespace pilaro::test
