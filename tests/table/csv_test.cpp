// The CSV text: records as a spreadsheet saves them, with the lines they
// start on, and every cell the writer quotes read back as it was.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "table/csv_cell.h"
#include "table/csv_reader.h"

namespace pilaro::test {
namespace {

using Cells = std::vector<std::string>;

struct Record {
    long line;
    Cells cells;
    bool operator==(const Record&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Record& r) {
    out << r.line << ':';
    for (const std::string& cell : r.cells) out << " [" << cell << ']';
    return out;
}

std::vector<Record> records(const std::string& text) {
    std::istringstream in(text);
    table::CsvReader reader(in);
    std::vector<Record> read;
    for (table::CellRow row; reader.next(row);) read.push_back({row.line, row.cells});
    return read;
}

TEST(CsvReader, ReadsRecordsWithTheLinesTheyStartOn) {
    const struct {
        const char* what;
        std::string text;
        std::vector<Record> records;
    } cases[] = {
        {"plain", "a,b\n1,2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"no line break at the end", "a,b\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"CRLF and a byte-order mark",
         "\xEF\xBB\xBF"
         "a,b\r\n1,2\r\n",
         {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"a byte-order mark only at the start",
         "a\n\xEF\xBB\xBF"
         "b\n",
         {{1, {"a"}},
          {2,
           {"\xEF\xBB\xBF"
            "b"}}}},
        {"empty cells", "a,,\n,,b\n", {{1, {"a", "", ""}}, {2, {"", "", "b"}}}},
        {"blank and empty lines are no records",
         "a\n\n  \n,\n \t, \nb\n",
         {{1, {"a"}}, {6, {"b"}}}},
        {"blanks around unquoted cells", " a ,\tb\t\n", {{1, {"a", "b"}}}},
        {"quoted cells keep blanks, commas and quotes",
         "\" a \",\"b,c\",\"say \"\"hi\"\"\"\n",
         {{1, {" a ", "b,c", "say \"hi\""}}}},
        {"line breaks in a quoted cell",
         "\"x\ny\",1\r\n\"p\r\nq\",2\nlast\n",
         {{1, {"x\ny", "1"}}, {3, {"p\r\nq", "2"}}, {5, {"last"}}}},
        {"UTF-8 passes as it is",
         "名称,构件\n恒载+汽车,P1\n",
         {{1, {"名称", "构件"}}, {2, {"恒载+汽车", "P1"}}}},
        {"nothing", "", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(records(c.text), c.records) << c.what;
}

TEST(CsvReader, StopsAtAQuoteNeverClosed) {
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"a\n\"open,1\n2\n", "line 2: a quoted cell is never closed"},
        {"\"" + std::string(2 << 20, 'x'), "line 1: a record longer than 1 MiB"},
    };
    for (const auto& c : cases) {
        try {
            records(c.text);
            ADD_FAILURE() << c.message;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

// Each cell in a record of its own after a first cell that is not blank
// (a wholly blank record is skipped), as the CSV writer puts it.
TEST(CsvCell, ReadsBackAsTheCellThatWasWritten) {
    const std::string cells[] = {
        "",         "plain",       " leading",   "trailing ", "\tleading tab", "trailing tab\t",
        " \t ",     "a,b",         "say \"hi\"", "\"",        "two\nlines",    "cr\ronly",
        "crlf\r\n", "=SUM(A1:A2)", "-5",         "名称 ",     "\xEF\xBB\xBF",  std::string(1, '\0'),
    };
    std::string text;
    for (const std::string& cell : cells) text += "#," + table::csvField(cell) + "\r\n";
    const std::vector<Record> read = records(text);
    ASSERT_EQ(read.size(), std::size(cells));
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(read[i].cells, (Cells{"#", cells[i]})) << table::csvField(cells[i]);
}

TEST(CsvCell, MarksTextASpreadsheetWouldTakeForAFormula) {
    const struct {
        const char* cell;
        const char* shown;
    } cases[] = {
        {"=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")"},
        {"+1+1", "'+1+1"},
        {"@SUM", "'@SUM"},
        {"-5", "-5"},
        {"+7", "+7"},
        {"-1e3", "-1e3"},
        {"-x", "'-x"},
        {"\tx", "'\tx"},
        {"P1", "P1"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(table::spreadsheetText(c.cell), c.shown) << c.cell;
}

}  // namespace
}  // namespace pilaro::test
