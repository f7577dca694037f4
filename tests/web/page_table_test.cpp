// The page's tables and diagrams, natively: a table refused for its header
// or its length, the example table's marks and summary as the README gives
// them, run a few rows at a time, its rows as the page shows them, its
// workbook, its members' diagrams, a saved table read
// back by pilaro-batch's own CSV reader, how a file's bytes are read, and
// the diagram of the form's run.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_diagram.h"
#include "form/form_events.h"
#include "tests/support/amplified_moment.h"
#include "tests/support/grades.h"
#include "tests/web/pier_state.h"
#include "tests/web/table_records.h"
#include "web/page_table.h"
#include "web/page_text.h"

namespace pilaro::web {
namespace {

using table::CellRow;

// The rows as the page shows them, each cell cut out of the text where the
// page's strings end it (in UTF-16 units).
std::vector<std::vector<std::string>> cellsOf(const ShownRows& rows, std::size_t columns) {
    std::vector<std::vector<std::string>> cells;
    std::size_t at = 0, units = 0;
    for (std::uint32_t end : rows.cellEnds) {
        if (cells.empty() || cells.back().size() == columns) cells.emplace_back();
        std::string cell;
        while (units < end && at < rows.cells.size()) {
            const auto lead = static_cast<unsigned char>(rows.cells[at]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            cell.append(rows.cells, at, length);
            at += length;
            units += length == 4 ? 2 : 1;
        }
        cells.back().push_back(cell);
    }
    return cells;
}

// Every row, run a few at a time.
std::vector<std::vector<std::string>> runWhole(PageTable& table,
                                               std::vector<RowMark>* marks = nullptr) {
    std::vector<std::vector<std::string>> rows;
    while (!table.finished()) {
        const ShownRows shown = table.run(3);
        for (auto& row : cellsOf(shown, table.columns().size())) rows.push_back(row);
        if (marks) marks->insert(marks->end(), shown.marks.begin(), shown.marks.end());
    }
    return rows;
}

const std::string kHeader =
    "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋\n";

TEST(PageTable, RefusesWhatPilaroBatchRefuses) {
    std::string long_table = kHeader;
    for (std::size_t i = 0; i <= kMostPageRows; ++i)
        long_table += "a,P1,design,25,2,5000,3000,1.2,0.05,10,,\n";
    const struct {
        std::string csv;
        std::string refusal;
    } cases[] = {
        {"", "表格没有表头行"},
        {" , \n\t\n", "表格没有表头行"},
        {"名称,foo\n", "表格缺少必需的列：类型/type"},
        {"名称,Nj1\n", "列名“Nj1”不是已知的列名，是否应为“Nj”？"},
        {"type,concrete,steel,Nj,Mj,D,a\n", "表格缺少必需的列：计算长度/l0"},
        {"D,d\n", "第 1 列“D”与第 2 列“d”是同一列（直径/D），请删去其中一列"},
        {long_table, "表格有 10001 行，本页最多计算 10000 行，请把表格分成几个再计算"},
    };
    for (const auto& c : cases) {
        PageTable table(recordsOf(c.csv));
        // A misspelt column's message goes on to say what to do.
        EXPECT_TRUE(table.refusal().starts_with(c.refusal)) << table.refusal();
        EXPECT_EQ(table.rowCount(), 0u);
        EXPECT_TRUE(table.finished());
    }
}

TEST(PageTable, RunsTheExampleAsPilaroBatch) {
    PageTable table(recordsOf(file(PILARO_EXAMPLE_TABLE)));
    ASSERT_EQ(table.refusal(), "");
    ASSERT_EQ(table.rowCount(), 11u);
    std::vector<RowMark> rowMarks = table.run(3).marks;
    EXPECT_EQ(rowMarks.size(), 3u);
    EXPECT_EQ(table.rowsRun(), 3u);
    EXPECT_FALSE(table.finished());
    runWhole(table, &rowMarks);

    // As the README's summary of the example has them.
    EXPECT_EQ(table.summary(),
              "构件 P1：11 行\n"
              "  配筋计算 7 行：最大配筋 207.021 cm²（配筋率 .0183），第 3 行\n"
              "  强度校核 3 行：1 行不通过（第 10 行）；Nq/Nj 最小为 0.829，第 10 行\n"
              "  无结果：第 12 行\n"
              "合计：1 个构件，11 行，1 行校核不通过，1 行无结果\n");
    std::vector<std::string> marks;
    for (RowMark mark : rowMarks) marks.emplace_back(rowMarkName(mark));
    EXPECT_EQ(marks,
              (std::vector<std::string>{"design", "design", "design", "design", "design", "design",
                                        "design", "pass", "fail", "pass", "none"}));
    std::vector<std::size_t> governing;
    for (std::size_t row : table.governingRows()) governing.push_back(row + 2);  // the file's line
    EXPECT_EQ(governing, (std::vector<std::size_t>{3, 10}));

    const std::string csv = table.csv();
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFname,member,type,"));
    EXPECT_NE(
        csv.find(
            "\r\n恒载+汽车（最大弯矩）,P1,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10,,,3,done,,完成,"
            ".5167,1.22629,.63692,.07825,1.87936,.0183,207.021,"),
        std::string::npos);
    // The sheet holds the two header rows and a row for each row run.
    const std::vector<table::WorkbookPart> parts = table.workbook();
    ASSERT_EQ(parts.back().name, "xl/worksheets/sheet1.xml");
    EXPECT_NE(parts.back().xml.find("<row r=\"13\">"), std::string::npos);
    EXPECT_EQ(parts.back().xml.find("<row r=\"14\">"), std::string::npos);

    ASSERT_EQ(table.memberCount(), 1u);
    EXPECT_EQ(table.memberSubject(0).english, "member P1");
    EXPECT_EQ(table.memberTitle(0), "构件 P1");
    std::vector<std::string> problems;
    const auto diagrams = table.diagrams(0, problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(diagrams.size(), 2u);
    EXPECT_EQ(table.diagramStem(0, diagrams[0], 2), "P1-24D28");
    EXPECT_EQ(table.diagramStem(0, diagrams[1], 2), "P1-207.021cm2");
}

// The screen tells a row's message in Chinese, naming the column as the
// header wrote it, as pilaro-batch tells it; the download keeps
// pilaro-batch's CSV.
TEST(PageTable, ShowsEachRowsMessageInChinese) {
    PageTable table(recordsOf(
        "名称,构件,类型,混凝土标号,钢筋等级,轴力(kN),弯矩,直径,保护层,计算长度,钢筋面积,钢筋\n"
        "a,P1,配筋计算,25号,Ⅱ级,5000kN,3000,1.2,0.05,10,,\n"
        "b,P1,配筋计算,25号,Ⅱ级,5000,3000,0,0.05,10,,\n"
        "c,P1,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10,,\n"));
    std::vector<std::vector<std::string>> shown = runWhole(table);
    const std::vector<CellRow> saved = recordsOf(table.csv());
    ASSERT_EQ(shown.size(), 3u);
    ASSERT_EQ(saved.size(), 4u);
    const auto message = static_cast<std::size_t>(
        std::find(saved[0].cells.begin(), saved[0].cells.end(), "message") -
        saved[0].cells.begin());
    ASSERT_LT(message, saved[0].cells.size());
    const struct {
        const char* saved;
        const char* shown;
    } rows[] = {
        {"column 轴向力/Nj: \"5000kN\" is not a number",
         "轴力(kN)输入有误：“5000kN”不是一个数。请用小数点，不要加单位或千分位逗号。"},
        {"圆形直径不能为零，请输入圆形直径！", "圆形直径不能为零，请输入圆形直径！"},
        {"", ""},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(saved[i + 1].cells[message], rows[i].saved) << i;
        EXPECT_EQ(shown[i][message], rows[i].shown) << i;
        // Every other cell is pilaro-batch's.
        std::vector<std::string> others = shown[i];
        others[message] = saved[i + 1].cells[message];
        EXPECT_EQ(others, saved[i + 1].cells) << i;
    }
    std::vector<std::string> names;
    for (const ShownColumn& column : table.columns()) names.push_back(column.english);
    EXPECT_EQ(names, saved[0].cells);
}

// The screen shows every cell as typed, where the CSV guards a formula-like
// one; a character beyond the BMP counts two of the page's UTF-16 units.
TEST(PageTable, ShowsCellsAsTyped) {
    const struct {
        std::string name;  // as typed, and shown
        std::string csv;   // as the CSV writes it
    } cases[] = {
        {"+1+1", "'+1+1"},
        {"-2+3", "'-2+3"},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"@SUM(1)", "'@SUM(1)"},
        {"-5", "-5"},
        {"𝄞 恒载", "𝄞 恒载"},
    };
    std::string csv = kHeader;
    for (const auto& c : cases) {
        // The name quoted as a CSV cell, its quotes doubled.
        csv += '"';
        for (char ch : std::string_view(c.name))
            csv += ch == '"' ? std::string("\"\"") : std::string(1, ch);
        csv += "\",P1,design,25,2,5000,3000,1.2,0.05,10,,\n";
    }
    PageTable table(recordsOf(csv));
    const ShownRows shown = table.run(std::size(cases));
    const std::vector<std::vector<std::string>> rows = cellsOf(shown, table.columns().size());
    const std::string written = table.csv();
    ASSERT_EQ(rows.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(rows[i][0], cases[i].name);
        EXPECT_NE(written.find("\r\n" + cases[i].csv + ",P1,"), std::string::npos) << cases[i].csv;
    }
    // "𝄞 恒载" is two units, a blank and two more.
    const std::size_t last = (std::size(cases) - 1) * table.columns().size();
    EXPECT_EQ(shown.cellEnds[last] - shown.cellEnds[last - 1], 5u);
}

// The compact view shows a row's names, its answers and its status, in
// that order; the current code's utilisation where the table has its
// columns.
TEST(PageTable, TheCompactViewShowsTheAnswers) {
    const struct {
        std::string row;
        std::vector<std::string> compact;
    } cases[] = {
        {"a,P1,design,25,2,5000,3000,1.2,0.05,10,,",
         {"name", "member", "type", "row", "AgRequired", "Nq", "verdict", "statusText"}},
        {"a,P1,design,C30,HRB400,5000,3000,1.2,0.05,10,,",
         {"name", "member", "type", "row", "AgRequired", "Nq", "verdict", "utilisation",
          "statusText"}},
    };
    for (const auto& c : cases) {
        PageTable table(recordsOf(kHeader + c.row + "\n"));
        std::vector<std::string> compact(c.compact.size());
        std::size_t shownCompact = 0;
        for (const ShownColumn& column : table.columns()) {
            if (column.compactPlace < 0) continue;
            ASSERT_LT(static_cast<std::size_t>(column.compactPlace), compact.size()) << c.row;
            compact[static_cast<std::size_t>(column.compactPlace)] = column.english;
            ++shownCompact;
        }
        EXPECT_EQ(shownCompact, c.compact.size()) << c.row;
        EXPECT_EQ(compact, c.compact) << c.row;
        // Its headings are the workbook's: Chinese with units above the CSV's names.
        EXPECT_EQ(table.columns()[5].chinese, "轴向力（kN）");
        EXPECT_EQ(table.columns()[5].english, "Nj");
    }
}

// Why a member has no diagram, in Chinese, naming the member and the
// columns as the table does.
TEST(PageTable, TellsWhyAMemberHasNoDiagramInChinese) {
    PageTable table(
        recordsOf("构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,截面直径,保护层,计算长度,钢筋\n"
                  "M,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,24D28\n"
                  "M,强度校核,25号,Ⅱ级,5000,3000,1.4,0.06,10,24D28\n"
                  "N,强度校核,25号,Ⅱ级,5000kN,3000,1.2,0.05,10,24D28\n"));
    runWhole(table);
    const std::vector<std::string> why[] = {
        {"构件 M：第 2 行与第 3 行的截面直径、保护层不同，不是同一截面，不画图"},
        {"构件 N：每一行都有输入错误，不画图"},
    };
    ASSERT_EQ(table.memberCount(), std::size(why));
    for (std::size_t member = 0; member < std::size(why); ++member) {
        std::vector<std::string> problems;
        EXPECT_TRUE(table.diagrams(member, problems).empty());
        EXPECT_EQ(problems, why[member]);
    }
}

TEST(PageTable, ASavedTableReadsBackAsItWas) {
    const std::string csv =
        kHeader +
        "\"恒载, 降温\",P1,配筋计算,25号,Ⅱ级,5600,\"2,450\",1.2,0.05,10,,\n"
        "\n"
        "\"two\nlines \"\"quoted\"\"\",P2,check,25,II,5000,3000,1.2,0.05,10,,24D28\n"
        "=HYPERLINK(\"x\"),P3,design,25,2,-5,3000,1.2,0.05,10,,\n";
    const std::vector<CellRow> records = recordsOf(csv);
    PageTable table(records);
    ASSERT_EQ(table.rowCount(), 3u);
    const std::string saved = table.savedTable();
    EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF名称,"));
    const std::vector<CellRow> again = recordsOf(saved);
    ASSERT_EQ(again.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::vector<std::string> expected = records[i].cells;
        // A spreadsheet takes no formula from a saved cell; numbers stay numbers.
        if (expected[0].starts_with('=')) expected[0] = "'" + expected[0];
        EXPECT_EQ(again[i].cells, expected) << i;
    }
}

TEST(PageTable, ReadsUtf8AsSuchAndAnythingElseAsGb18030) {
    const struct {
        std::string bytes;
        std::string_view encoding;
    } cases[] = {
        {"\xEF\xBB\xBF名称,构件\r\n", "utf-8"},
        {"name,member\n", "utf-8"},
        {"", "utf-8"},
        {"\xC3\xFB\xB3\xC6,\xB9\xB9\xBC\xFE\n", "gb18030"},  // 名称,构件
        {"名称\xFF", "gb18030"},
        {"名称\n\xE5\x90", "gb18030"},  // the last character cut short
        {"\xED\xA0\x80\n", "gb18030"},  // a surrogate is no UTF-8
    };
    for (const auto& c : cases) EXPECT_EQ(tableEncoding(c.bytes), c.encoding) << c.bytes;
}

TEST(PageTable, RefusesTextThatIsNeitherAtTheLaterOfItsBadLines) {
    // The page's decoder, here one that refuses the lines that hold `bad`,
    // is asked line by line.
    const struct {
        std::string bytes;
        std::string bad;
        std::string_view message;
    } cases[] = {
        // No UTF-8 from line 3, no GB18030 from line 1 or line 4.
        {"a\nb\n\xFF\nc\n", "a", "输入的第 3 行既不是 UTF-8 也不是 GB18030 文本"},
        {"a\nb\n\xC3\xFB\n\xFF\n", "\xFF", "输入的第 4 行既不是 UTF-8 也不是 GB18030 文本"},
        // The last line, without a line break, cut short.
        {"a\r\nb\r\n\xC3", "\xC3", "输入的第 3 行既不是 UTF-8 也不是 GB18030 文本"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> asked;
        const auto decodes = [&](std::string_view line) {
            asked.emplace_back(line);
            return line.find(c.bad) == std::string_view::npos;
        };
        EXPECT_EQ(undecodableText(c.bytes, decodes), c.message) << c.bytes;
        // Asked no further than the first line it refuses.
        EXPECT_EQ(asked.back().find(c.bad) != std::string::npos, true) << c.bytes;
    }
}

TEST(PageTable, FindsTheSeparatorOfAFileAndOfPastedCellsAlike) {
    const struct {
        std::string text;
        char separator;
    } cases[] = {
        {"名称,构件,类型\n1\t2\t3\n", ','},
        {"\xEF\xBB\xBF名称;构件;类型\r\n", ';'},
        {"名称\t构件\t类型\r\na,b\tc\td\r\n", '\t'},
        {"\"a,b\"\t构件\n", '\t'},
        {"名称", ','},
        {"", ','},
    };
    for (const auto& c : cases) EXPECT_EQ(tableSeparator(c.text), c.separator) << c.text;
}

// The README's worked examples, as the form gives them.
ControlText pierForm(const char* nj, const char* mj, const char* area) {
    return [=](std::string_view name) -> std::string {
        if (name == "cbohnt") return "25号";
        if (name == "cbogj") return "\u2161级";
        if (name == "txtnj") return nj;
        if (name == "txtmj") return mj;
        if (name == "txtzd") return "1.2";
        if (name == "txtbc") return "0.05";
        if (name == "txtlj") return "10";
        if (name == "txtag1") return area;
        return "";
    };
}

TEST(FormDiagram, DrawsTheRunsSectionAndLoads) {
    const struct {
        const char* option;
        const char* nj;
        const char* mj;
        const char* area;
        std::string steel, stem;
        bool passes;
    } cases[] = {
        // The designed area checked falls short by a hair (the README's band).
        {"optpj", "5000", "3000", "", "207.021 cm²", "N-M-207.021cm2", false},
        {"optqd", "5000", "1500", "45.239", "45.239 cm²", "N-M-45.239cm2", true},
        {"optqd", "8000", "3000", "45.239", "45.239 cm²", "N-M-45.239cm2", false},
        {"optqd", "5000", "3000", " 24D28 ", "24D28", "N-M-24D28", false},
    };
    for (const auto& c : cases) {
        CalcState state = pierState(c.option);
        const ControlText form = pierForm(c.nj, c.mj, c.area);
        ASSERT_EQ(pressRun(state, form).status, CalcStatus::Done) << c.nj;
        const FormDiagrams drawn = formDiagrams(state, form);
        ASSERT_EQ(drawn.diagrams.size(), 1u) << c.nj;
        const diagram::Diagram& d = drawn.diagrams.front();
        EXPECT_EQ(d.steelText, c.steel);
        EXPECT_EQ(drawn.stem, c.stem);
        ASSERT_EQ(d.loads.size(), 1u);
        // l0 / D = 8.3: the point stands at eta * Mj, and is named so.
        EXPECT_EQ(d.loads[0].name, std::string("Nj＝") + c.nj + "，η·Mj＝" +
                                       test::amplifiedMomentText(std::stod(c.nj), std::stod(c.mj),
                                                                 1.2, 10, test::k25.modulus));
        EXPECT_EQ(d.loads[0].design, std::string(c.option) == "optpj");
        EXPECT_EQ(d.loads[0].passes(), c.passes) << c.nj << " " << c.mj;
    }
}

// A refused press runs nothing, so there is no run to draw; the page
// shows the refusal in its dialog instead.
TEST(FormDiagram, ARefusedFormHasNone) {
    CalcState state = pierState("optpj");
    const ControlText form = pierForm("5,000", "3000", "");
    EXPECT_EQ(pressRun(state, form).message,
              "轴向力输入有误：“5,000”不是一个数。请用小数点，不要加单位或千分位逗号。");
    const FormDiagrams drawn = formDiagrams(state, form);
    EXPECT_TRUE(drawn.diagrams.empty());
    EXPECT_TRUE(drawn.problems.empty());
}

}  // namespace
}  // namespace pilaro::web
