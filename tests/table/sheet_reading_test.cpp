// The rules of reading a sheet, whatever parsed it: numbers as their
// shortest text, dates and formulas without results refused naming the
// cell, strings shared, inline and rich; which styles show dates; what a
// file's first bytes say it is.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "table/file_kind.h"
#include "table/sheet_rows.h"
#include "table/shortest_number.h"
#include "table/workbook_parts.h"

namespace pilaro::test {
namespace {

using table::XmlAttribute;

TEST(ShortestNumber, IsTheShortestTextThatGivesTheValueBack) {
    const struct {
        const char* stored;
        const char* text;
    } cases[] = {
        {"0.050000000000000003", "0.05"},  // as Excel stores 0.05
        {"5000", "5000"},
        {"1.2E-3", "0.0012"},
        {"0.1", "0.1"},
        {"-2450.5", "-2450.5"},
        {"100", "100"},
        {"1E+21", "1e+21"},
        {"1E-5", "1e-05"},
        {"123456789012", "123456789012"},
        {"2.9999999999999996", "2.9999999999999996"},
        {" 12 ", "12"},
        {"abc", "abc"},  // no number: as stored
    };
    for (const auto& c : cases) EXPECT_EQ(table::shortestNumberText(c.stored), c.text) << c.stored;
}

// The page's way (printf) gives the native way's text for every value.
TEST(ShortestNumber, PrintfGivesWhatToCharsGives) {
    std::mt19937_64 random(20261209);
    std::vector<double> values = {
        0.05, 100, 1e15, 1e16, 1.5e-7, 123456.789, 5e-324, 1.7976931348623157e308,
        -0.0, 0.0, 1e21, 1e22, 0.001,  1234567e10};
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
        values.push_back(static_cast<double>(random() % 100000000) / 1000.0);
    }
    for (double value : values)
        ASSERT_EQ(table::shortestTextFromPrintf(value), table::shortestText(value)) << value;
}

TEST(DateFormat, TellsDatesAndTimesFromNumbers) {
    const struct {
        std::size_t id;
        const char* code;
        bool date;
    } cases[] = {
        {0, "", false},
        {2, "", false},
        {14, "", true},
        {22, "", true},
        {31, "", true},
        {49, "", false},
        {57, "", true},
        {164, "0.00", false},
        {164, "yyyy/m/d", true},
        {164, "[h]:mm", true},
        {164, "[Red]0.00", false},
        {164, "0.00\"m\"", false},  // a quoted unit
        {164, "#,##0\\ \"kN\"", false},
        {164, "[$-804]General", false},
        {164, "0.00E+00", false},
        {164, "yyyy\"年\"m\"月\"d\"日\"", true},
        {164, "h:mm AM/PM", true},
        {164, "G/通用格式", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table::isDateFormat(c.id, c.code), c.date) << c.id << " " << c.code;
}

TEST(CellReference, NamesColumnsAsASheetDoes) {
    EXPECT_EQ(table::cellReference(0, 1), "A1");
    EXPECT_EQ(table::cellReference(25, 3), "Z3");
    EXPECT_EQ(table::cellReference(26, 10), "AA10");
    EXPECT_EQ(table::cellReference(701, 2), "ZZ2");
    EXPECT_EQ(table::cellReference(16383, 1048576), "XFD1048576");
}

// A sheet's XML as events, cell by cell.
class SheetEvents {
  public:
    explicit SheetEvents(table::SheetContext context) : rows_(std::move(context)) {}

    SheetEvents& row(const char* r) {
        start("row", {{"r", r}});
        return *this;
    }
    SheetEvents& endRow() {
        rows_.end("row");
        return *this;
    }
    // A cell with its attributes, and the elements inside it.
    SheetEvents& cell(std::vector<XmlAttribute> attributes, const std::string& inside) {
        start("c", attributes);
        std::size_t at = 0;
        while (at < inside.size()) {
            // "<v>5</v>", "<f/>", "<is><t>a</t></is>": tags and texts.
            if (inside[at] == '<') {
                const std::size_t close = inside.find('>', at);
                std::string tag = inside.substr(at + 1, close - at - 1);
                if (tag.starts_with('/')) {
                    rows_.end(tag.substr(1));
                } else if (tag.ends_with('/')) {
                    tag.pop_back();
                    start(tag, {});
                    rows_.end(tag);
                } else {
                    start(tag, {});
                }
                at = close + 1;
            } else {
                const std::size_t next = inside.find('<', at);
                rows_.text(inside.substr(at, next - at));
                at = next;
            }
        }
        rows_.end("c");
        return *this;
    }
    const messages::Message& error() const { return rows_.error(); }
    std::vector<table::CellRow> records() {
        std::vector<table::CellRow> all;
        table::CellRow record;
        while (rows_.take(record)) all.push_back(record);
        return all;
    }

  private:
    void start(const std::string& name, std::vector<XmlAttribute> attributes) {
        rows_.start(name, attributes);
    }
    table::SheetRows rows_;
};

TEST(SheetRows, ReadCellsAsTheirCsvTwinShowsThem) {
    table::SheetContext context;
    context.sharedStrings = {"名称", "配筋计算"};
    context.dateStyles = {2};
    SheetEvents sheet(context);
    sheet.row("3")
        .cell({{"r", "A3"}, {"t", "s"}}, "<v>1</v>")
        .cell({{"r", "C3"}}, "<v>0.050000000000000003</v>")  // B3 empty
        .cell({{"r", "D3"}, {"t", "inlineStr"}},
              "<is><r><t>Ⅱ</t></r><r><t>级</t></r><rPh><t>ji</t></rPh></is>")
        .cell({{"r", "E3"}}, "<f>2500*2</f><v>5000</v>")
        .cell({{"r", "F3"}, {"t", "str"}}, "<f>A3</f><v>P1</v>")
        .cell({{"r", "G3"}, {"t", "b"}}, "<v>1</v>")
        .cell({{"r", "H3"}, {"t", "e"}}, "<v>#DIV/0!</v>")
        .cell({}, "<v>7</v>")  // no reference: the next column, I3
        .endRow();
    sheet.row("4").cell({{"r", "A4"}, {"s", "1"}}, "").endRow();  // formatted, empty: skipped
    sheet.row("5")
        .cell({{"r", "B5"}, {"s", "2"}}, "<v>45356</v>")
        .cell({{"r", "C5"}}, "<f>1/0</f>")
        .cell({{"r", "D5"}, {"t", "d"}}, "<v>2024-03-05</v>")
        .endRow();
    const std::vector<table::CellRow> records = sheet.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].line, 3);
    EXPECT_EQ(records[0].cells, (std::vector<std::string>{"配筋计算", "", "0.05", "Ⅱ级", "5000",
                                                          "P1", "TRUE", "#DIV/0!", "7"}));
    EXPECT_TRUE(records[0].problems.empty());
    EXPECT_EQ(records[1].line, 5);
    ASSERT_EQ(records[1].problems.size(), 3u);
    EXPECT_EQ(records[1].problems[0].english,
              "cell B5 holds a date, which is not read; format the cell as General and type its "
              "value again");
    EXPECT_EQ(records[1].problems[0].chinese,
              "单元格 B5 是日期，本程序不读取日期；请把该单元格设为“常规”格式后重新输入数值。");
    EXPECT_NE(records[1].problems[1].english.find("the formula in cell C5 has no saved result"),
              std::string::npos);
    EXPECT_NE(records[1].problems[2].english.find("cell D5 holds a date"), std::string::npos);
}

TEST(SheetRows, ASharedStringBeyondTheListIsADamagedWorkbook) {
    table::SheetContext context;
    context.file = messages::Message("t.xlsx");
    SheetEvents sheet(context);
    sheet.row("1").cell({{"r", "A1"}, {"t", "s"}}, "<v>3</v>");
    EXPECT_EQ(sheet.error().english,
              "cannot read the workbook t.xlsx: its part sharedStrings.xml is damaged");
}

TEST(FileKind, FromTheFirstBytes) {
    using table::FileKind;
    const struct {
        std::string bytes;
        FileKind kind;
        const char* refusal;  // in English, after the file's name
    } cases[] = {
        {"名称,类型\n", FileKind::Text, ""},
        {"\xEF\xBB\xBFname,type\n", FileKind::Text, ""},
        {std::string("\xFF\xFEn\0a\0", 6), FileKind::Utf16Le, ""},
        {std::string("\xFE\xFF\0n\0a", 6), FileKind::Utf16Be, ""},
        {std::string("PK\x03\x04\x14\0", 6), FileKind::Workbook, ""},
        {std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10), FileKind::OldWorkbook,
         "is an Excel 97-2003 workbook (.xls)"},
        {std::string("n\0a\0m\0e\0,\0t\0", 12), FileKind::Utf16NoMark,
         "seems to be UTF-16 text without a byte-order mark"},
        {std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\0\0\0",
                     12),
         FileKind::Binary, "seems to be a binary file, not a table"},
        {std::string("%PDF-1.4\n\0\x80\x81", 13), FileKind::Binary, "seems to be a binary file"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table::fileKindOf(c.bytes), c.kind) << c.refusal;
        const auto refusal = table::refusalOf(c.kind, messages::Message("in.x"));
        EXPECT_EQ(refusal.has_value(), *c.refusal != '\0');
        if (refusal) {
            EXPECT_TRUE(refusal->english.starts_with(std::string("in.x ") + c.refusal))
                << refusal->english;
            EXPECT_TRUE(refusal->chinese.starts_with("in.x ")) << refusal->chinese;
        }
    }
}

}  // namespace
}  // namespace pilaro::test
