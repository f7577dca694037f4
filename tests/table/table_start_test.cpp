// Where a table's rows start, and what a header's other names are: title
// rows and a units row skipped, other columns kept, a misspelt name told
// with the name it is near; a cell longer than a sheet's is its row's
// error; a table longer than a sheet is told before it is written.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "table/header_names.h"
#include "table/io_writers.h"
#include "table/row_input.h"
#include "table/row_outcome.h"
#include "table/table_start.h"
#include "tests/support/scratch_folder.h"

namespace pilaro::test {
namespace {

using table::CellRow;

const std::vector<std::string> kHeader = {"名称", "类型", "混凝土标号", "钢筋等级", "轴向力",
                                          "弯矩", "直径", "保护层",     "计算长度"};
const std::vector<std::string> kRow = {"d",    "配筋计算", "25号", "Ⅱ级", "5000",
                                       "3000", "1.2",      "0.05", "10"};

std::vector<std::string> with(std::vector<std::string> cells, std::size_t at, std::string cell) {
    cells.insert(cells.begin() + static_cast<std::ptrdiff_t>(at), std::move(cell));
    return cells;
}

TEST(HeaderCell, AnUnknownNameIsAnotherColumnUnlessItIsNearAKnownOne) {
    const struct {
        const char* text;
        bool other;
        const char* near;  // the name suggested, for a misspelt one
    } cases[] = {
        {"备注", true, ""},
        {"No", true, ""},
        {"My", true, ""},
        {"b", true, ""},
        {"构件编号", true, ""},
        {"钢筋直径", true, ""},
        {"remarks", true, ""},
        {"(kN)", true, ""},
        {"轴向", false, "轴向力"},
        {"Nj1", false, "Nj"},
        {"bar", false, "bars"},
        {"保护层厚", false, "保护层"},
        {"effective lenght", false, "effective length"},
    };
    for (const auto& c : cases) {
        const table::HeaderCell cell = table::readHeaderCell(c.text);
        EXPECT_FALSE(cell.column) << c.text;
        EXPECT_EQ(cell.otherColumn, c.other) << c.text;
        if (!c.other) {
            EXPECT_NE(cell.problem.english.find(std::string("did you mean ") + c.near + "?"),
                      std::string::npos)
                << c.text << ": " << cell.problem.english;
        }
    }
}

TEST(HeaderCell, ChineseUnitsAreTheColumnsUnits) {
    for (const char* text :
         {"轴向力(千牛)", "弯矩（千牛·米）", "弯矩(kN∙m)", "弯矩(kN•m)", "弯矩(kN.m)", "直径（米）",
          "保护层(米)", "钢筋面积（平方厘米）", "钢筋面积(cm²)", "钢筋面积(cm2)"}) {
        const table::HeaderCell cell = table::readHeaderCell(text);
        EXPECT_TRUE(cell.column) << text << ": " << cell.problem.english;
    }
    const table::HeaderCell mm = table::readHeaderCell("直径（毫米）");
    EXPECT_FALSE(mm.column);
    EXPECT_EQ(
        mm.problem.chinese,
        "列名“直径（毫米）”：直径的单位须为 m；本程序不换算单位，请把这一列换算为 m 后再计算");
}

// The header found among a table's first records, or the problem told.
struct Found {
    std::size_t header = 0, firstRow = 0;
    std::vector<std::string> others;
    std::string error;  // in English
};

Found find(const std::vector<std::vector<std::string>>& cells) {
    std::vector<CellRow> records;
    for (std::size_t i = 0; i < cells.size(); ++i)
        records.push_back({static_cast<long>(i + 1), cells[i], {}});
    messages::Message error;
    const std::optional<table::TableHeader> header = table::findHeader(records, error);
    if (!header) return {0, 0, {}, error.english};
    return {header->header, header->firstRow, header->columns.otherHeadings(), ""};
}

TEST(TableStart, TheHeaderIsTheFirstRowWithEveryRequiredColumn) {
    const std::vector<std::string> title = {"XX大桥桥墩荷载组合表"};
    const std::vector<std::string> notes = {"说明：荷载为基本组合", "", "编制：张三"};
    const std::vector<std::string> units = {"", "", "", "", "kN", "kN·m", "m", "m", "m"};
    const std::vector<std::string> chineseUnits = {"",        "",   "",   "",  "（千牛）",
                                                   "千牛·米", "米", "米", "米"};
    std::vector<std::vector<std::string>> eleven(9, title);
    eleven.push_back(kHeader);
    eleven.push_back(units);
    std::vector<std::vector<std::string>> twelve(10, title);
    twelve.push_back(kHeader);
    const struct {
        const char* what;
        std::vector<std::vector<std::string>> records;
        Found found;
    } cases[] = {
        {"header first", {kHeader, kRow}, {0, 1, {}, ""}},
        {"title and notes", {title, notes, kHeader, kRow}, {2, 3, {}, ""}},
        {"units row", {title, kHeader, units, kRow}, {1, 3, {}, ""}},
        {"Chinese units row", {kHeader, chineseUnits, kRow}, {0, 2, {}, ""}},
        {"tenth row", eleven, {9, 11, {}, ""}},
        {"other columns",
         {with(with(kHeader, 9, "备注"), 2, "墩号"), kRow},
         {0, 1, {"墩号", "备注"}, ""}},
        {"a data row is no units row", {kHeader, kRow, units}, {0, 1, {}, ""}},
        {"eleventh row", twelve, {0, 0, {}, "none of the first 10 rows is a header row"}},
        {"misspelt", {title, with(kHeader, 9, "Nj1")}, {0, 0, {}, "did you mean Nj?"}},
        {"missing",
         {title, {"名称", "类型", "轴向", "弯矩"}},
         {0, 0, {}, "column \"轴向\" is no known name: did you mean 轴向力?"}},
        {"units row in mm",
         {kHeader, {"", "", "", "", "kN", "kN·m", "mm", "m", "m"}},
         {0, 0, {}, "line 2 (the units row): column 直径 must be in m, not \"mm\""}},
    };
    for (const auto& c : cases) {
        const Found found = find(c.records);
        EXPECT_NE(found.error.find(c.found.error), std::string::npos)
            << c.what << ": " << found.error;
        if (!c.found.error.empty()) continue;
        EXPECT_EQ(found.header, c.found.header) << c.what;
        EXPECT_EQ(found.firstRow, c.found.firstRow) << c.what;
        EXPECT_EQ(found.others, c.found.others) << c.what;
    }
}

// Records already read, as a source.
class Records : public table::RecordSource {
  public:
    explicit Records(std::size_t rows) {
        records_.push_back({1, kHeader, {}});
        for (std::size_t i = 0; i < rows; ++i)
            records_.push_back({static_cast<long>(i + 2), kRow, {}});
    }
    bool next(CellRow& record) override {
        if (records_.empty()) return false;
        record = records_.front();
        records_.pop_front();
        return true;
    }
    std::uint64_t bytesRead() const override { return 0; }

  private:
    std::deque<CellRow> records_;
};

TEST(TableStart, OtherCellsAreCarriedThroughAsText) {
    std::vector<std::string> header = with(kHeader, 2, "备注");
    std::vector<CellRow> records = {{1, header, {}}, {2, with(kRow, 2, "=主墩"), {}}};
    messages::Message error;
    const std::optional<table::TableHeader> found = table::findHeader(records, error);
    ASSERT_TRUE(found) << error.english;
    const table::RowCase row = table::readRow(records[1], found->columns, {});
    EXPECT_TRUE(row.errors.empty());
    EXPECT_EQ(row.otherCells, std::vector<std::string>{"=主墩"});
}

// A workbook's limits, with small stand-ins for a sheet's rows.
TEST(SheetLimits, ATableLongerThanASheetIsToldBeforeItIsWritten) {
    for (const std::size_t rows : {2u, 3u, 4u}) {
        Records source(rows);
        table::RowsAfterHeader after(source);
        EXPECT_EQ(table::moreLoadCasesThan(after, 3), rows > 3) << rows;
    }
    ScratchFolder folder;
    const auto writer = table::makeXlsxWriter((folder.path() / "out.xlsx").string(), {}, 2);
    messages::Message error;
    const table::ColumnMap columns = *table::readHeader(kHeader, error);
    const table::RowOutcome outcome = table::runRow(table::readRow({2, kRow, {}}, columns, {}));
    writer->write(outcome);
    writer->write(outcome);
    try {
        writer->write(outcome);
        ADD_FAILURE() << "a third row past a sheet of two";
    } catch (const messages::MessageError& e) {
        EXPECT_EQ(e.message().english,
                  "the table has more than 2 load cases, and a sheet holds at most 4 rows, 2 of "
                  "them the header; write CSV instead (-o results.csv)");
    }
}

TEST(SheetLimits, ACellLongerThanASheetsIsItsRowsError) {
    messages::Message error;
    const table::ColumnMap columns = *table::readHeader(with(kHeader, 9, "备注"), error);
    const struct {
        std::string cell;
        bool fits;
    } cases[] = {
        {std::string(32767, 'a'), true},
        {std::string(32768, 'a'), false},
        {std::string(32767, 'a') + "\xE4\xB8\xAD", false},      // 中: one more
        {std::string(32765, 'a') + "\xF0\x9F\x98\x80", true},   // two UTF-16 units
        {std::string(32766, 'a') + "\xF0\x9F\x98\x80", false},  // three past the limit
    };
    for (const auto& c : cases) {
        const table::RowCase row = table::readRow({2, with(kRow, 9, c.cell), {}}, columns, {});
        EXPECT_EQ(row.errors.empty(), c.fits) << c.cell.size();
        if (!c.fits) {
            EXPECT_EQ(row.errors.front().told.chinese,
                      "备注中的文字超过工作表单元格所能容纳的 32767 个字符。");
        }
    }
}

}  // namespace
}  // namespace pilaro::test
