// A table written from the engine's answers that another worker ran (the
// page's helpers) against the same table run whole in one place: the same
// rows shown, marks, widths, CSV, summary, governing rows, workbook and
// diagrams, for both methods, rows without a result and rows with input
// errors; and an answer that is not for the next row is never taken.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "tests/web/table_records.h"
#include "web/page_table.h"
#include "web/row_answer_bytes.h"

namespace pilaro::web {
namespace {

using table::CellRow;

// What a table gives once every row is in, and every step's rows as shown.
struct Written {
    std::string cells;
    std::vector<std::uint32_t> cellEnds;  // each step's from 0, as the page takes them
    std::vector<RowMark> marks;
    std::vector<double> widths;
    std::string csv;
    std::string summary;
    std::vector<std::size_t> governing;
    std::string sheet;
    std::vector<std::string> diagramStems;  // and what each diagram draws
};

void add(Written& w, const ShownRows& rows) {
    w.cells += rows.cells;
    w.cellEnds.insert(w.cellEnds.end(), rows.cellEnds.begin(), rows.cellEnds.end());
    w.marks.insert(w.marks.end(), rows.marks.begin(), rows.marks.end());
    w.widths = rows.widths;
}

Written finish(Written w, PageTable& table) {
    w.csv = table.csv();
    w.summary = table.summary();
    w.governing = table.governingRows();
    w.sheet = table.workbook().back().xml;
    for (std::size_t member = 0; member < table.memberCount(); ++member) {
        std::vector<std::string> problems;
        const auto drawn = table.diagrams(member, problems);
        for (const auto& d : drawn) {
            std::ostringstream drawnText;
            drawnText.precision(17);
            drawnText << table.diagramStem(member, d, drawn.size()) << ' ' << d.steelText << ' '
                      << d.curve.size();
            for (const auto& load : d.loads)
                drawnText << ' ' << load.name << ' ' << load.N << ' ' << load.M << ' '
                          << static_cast<int>(load.verdict) << ' ' << load.margin;
            w.diagramStems.push_back(drawnText.str());
        }
        for (const std::string& p : problems) w.diagramStems.push_back(p);
    }
    return w;
}

void expectSame(const Written& got, const Written& whole) {
    EXPECT_EQ(got.cells, whole.cells);
    EXPECT_EQ(got.marks, whole.marks);
    EXPECT_EQ(got.widths, whole.widths);
    EXPECT_EQ(got.csv, whole.csv);
    EXPECT_EQ(got.summary, whole.summary);
    EXPECT_EQ(got.governing, whole.governing);
    EXPECT_EQ(got.sheet, whole.sheet);
    EXPECT_EQ(got.diagramStems, whole.diagramStems);
}

// The reference: every row run here, in steps of `step`.
Written runHere(const std::vector<CellRow>& records, std::size_t step) {
    PageTable table(records);
    Written w;
    while (!table.finished()) add(w, table.run(step));
    return finish(std::move(w), table);
}

// The first `own` rows run here, the rest taken from a helper's answers in
// chunks of `chunk`, as the page's table worker takes them.
Written helped(const std::vector<CellRow>& records, std::size_t own, std::size_t chunk) {
    PageTable table(records);
    const PageTable helper(records);
    Written w;
    add(w, table.run(own));
    while (!table.finished()) {
        const std::size_t before = table.rowsRun();
        add(w, table.take(helper.answers(table.rowsRun(), chunk)));
        EXPECT_GT(table.rowsRun(), before);
        if (table.rowsRun() == before) break;
    }
    return finish(std::move(w), table);
}

const std::string kHeader =
    "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋\n";

// Rows without a result and rows with input errors, of either method, among
// others of two members.
const std::string kAwkward = kHeader +
                             "a,P1,配筋计算,25号,Ⅱ级,5000kN,3000,1.2,0.05,10,,\n"
                             "b,P1,配筋计算,25号,Ⅱ级,5000,3000,0,0.05,10,,\n"
                             "c,P2,强度校核,25号,Ⅱ级,5000,1500,1.2,0.05,10,,24D28\n"
                             "d,P2,强度校核,C30,HRB400,5000,1500,1.2,0.05,10,,24D28\n"
                             "e,P1,配筋计算,C30,HRB400,50000,3000,0.3,0.05,10,,\n"
                             "f,P2,配筋计算,30号,Ⅱ级,8000,3000,1.5,0.06,12,,\n"
                             "g,P1,强度校核,40号,Ⅱ级,1,1,1.2,0.05,10,,1D12\n";

TEST(PageTableAnswers, WriteTheTableAsRunningItWholeDoes) {
    const struct {
        const char* name;
        std::string csv;
    } tables[] = {
        {"example", file(PILARO_EXAMPLE_TABLE)},
        {"current code", file(PILARO_CURRENT_CODE_TABLE)},
        {"awkward", kAwkward},
    };
    for (const auto& t : tables) {
        const std::vector<CellRow> records = recordsOf(t.csv);
        const Written whole = runHere(records, 1000);
        ASSERT_FALSE(whole.marks.empty()) << t.name;
        for (const auto& [own, chunk] :
             {std::pair<std::size_t, std::size_t>{0, 1}, {2, 3}, {1, 100}}) {
            SCOPED_TRACE(std::string(t.name) + ", own " + std::to_string(own) + ", chunk " +
                         std::to_string(chunk));
            const Written got = helped(records, own, chunk);
            expectSame(got, whole);
        }
    }
}

TEST(PageTableAnswers, AreNeverTakenForAnotherRow) {
    const std::vector<CellRow> records = recordsOf(kAwkward);
    const Written whole = runHere(records, 1000);

    // The same rows but for row f's moment: its answer and those after it
    // are refused, the rows before it taken.
    std::vector<CellRow> other = records;
    other[6].cells[6] = "2999";
    const PageTable otherHelper(other);
    PageTable table(records);
    EXPECT_EQ(table.take(otherHelper.answers(0, 100)).marks.size(), 5u);
    EXPECT_EQ(table.rowsRun(), 5u);

    // Answers from a later row than the next, and bytes that are no
    // answers, give no row.
    const PageTable helper(records);
    EXPECT_TRUE(table.take(helper.answers(6, 1)).marks.empty());
    std::string cut = helper.answers(5, 1);
    cut.pop_back();
    EXPECT_TRUE(table.take(cut).marks.empty());
    EXPECT_EQ(table.rowsRun(), 5u);

    // The rest run here: the table is as if run whole.
    Written w;
    PageTable again(records);
    add(w, again.take(otherHelper.answers(0, 100)));
    while (!again.finished()) add(w, again.run(1));
    expectSame(finish(std::move(w), again), whole);
}

TEST(PageTableAnswers, CrossAsTheirOwnBytes) {
    table::RowAnswer answer;
    answer.line = 42;
    answer.cells = 0x0123456789ABCDEFULL;
    answer.stop = CalcStatus::Done;
    answer.result.xi = -0.0;
    answer.result.rho = std::numeric_limits<double>::denorm_min();
    answer.result.Ag = std::nextafter(207.021, 300.0);
    answer.current.result.zeta1 = 0.1 + 0.2;
    const std::vector<table::RowAnswer> answers{answer, table::RowAnswer{}};
    const auto back = answersOf(answerBytes(answers));
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->size(), 2u);
    const table::RowAnswer& a = back->front();
    EXPECT_EQ(a.line, 42);
    EXPECT_EQ(a.cells, 0x0123456789ABCDEFULL);
    EXPECT_TRUE(std::signbit(*a.result.xi));
    EXPECT_EQ(*a.result.rho, std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(std::bit_cast<std::uint64_t>(a.result.Ag),
              std::bit_cast<std::uint64_t>(std::nextafter(207.021, 300.0)));
    EXPECT_EQ(*a.current.result.zeta1, 0.1 + 0.2);
    EXPECT_FALSE(a.result.g.has_value());
    EXPECT_FALSE(answersOf(std::string(sizeof(table::RowAnswer) + 1, '\0')).has_value());
    EXPECT_TRUE(answersOf("")->empty());
}

}  // namespace
}  // namespace pilaro::web
