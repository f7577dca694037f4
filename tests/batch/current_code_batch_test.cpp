// pilaro-batch on tables with rows of the current code, JTG 3362-2018:
// the archived rows of a mixed table keep the cells and bytes of a table of
// them alone, a current-code row's JSON result has the keys of its method,
// the summary counts both methods, and a member of the current code gets
// its own diagram.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "table/csv_reader.h"
#include "tests/batch/batch_process.h"

namespace pilaro::test {
namespace {

// Keys in the order the line has them.
using json = nlohmann::ordered_json;

// Rows under the example's header (no γ0 column): a member of the current
// code beside the example's pier.
const std::string kCurrentRows =
    "新规范（最大轴力）,P2,配筋计算,C30,HRB400,6200,1850,1.2,0.05,10,,\n"
    "新规范（最大弯矩）,P2,强度校核,C30,HRB400,5000,3000,1.2,0.05,10,,24D28\n"
    "新规范（施工）,P2,强度校核,C30,HRB400,3900,900,1.2,0.05,10,,24D28\n";

std::string example() {
    std::ifstream in(std::string(PILARO_EXAMPLES) + "/pier_load_cases.csv", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::vector<table::CellRow> records(const std::string& text) {
    std::istringstream in(text);
    table::CsvReader reader(in);
    std::vector<table::CellRow> out;
    for (table::CellRow r; reader.next(r);) out.push_back(r);
    return out;
}

// The archived rows first, then the current code's: each archived row's
// line is the line of the table of them alone, and in the CSV it goes on
// only with the current code's empty cells.
TEST(CurrentCodeBatch, ArchivedRowsOfAMixedTableAreTheBytesOfThemAlone) {
    ScratchFolder folder;
    folder.write("alone.in.csv", example());
    folder.write("mixed.in.csv", example() + kCurrentRows);
    for (const char* extension : {"csv", "jsonl"}) {
        SCOPED_TRACE(extension);
        const std::string alone = std::string("alone.") + extension;
        const std::string mixed = std::string("mixed.") + extension;
        const BatchRun a = runBatch(folder, {"alone.in.csv", "-o", alone});
        const BatchRun m = runBatch(folder, {"mixed.in.csv", "-o", mixed});
        EXPECT_EQ(a.status, 3);  // the example's row that cannot be read
        EXPECT_EQ(m.status, 3);
        const std::vector<std::string> aloneLines = lines(folder.read(alone));
        const std::vector<std::string> mixedLines = lines(folder.read(mixed));
        ASSERT_EQ(mixedLines.size(), aloneLines.size() + 3);
        const bool csv = std::string(extension) == "csv";
        // The CSV's header and rows go on with the current code's 12
        // columns: gamma0, method and its own ten read-outs.
        const std::string more = csv ? ",gamma0,method,e0,eta,alpha,alphaT,Nu,Mu,phi,NuAxial,"
                                       "utilisation,D40"
                                     : "";
        const std::string empty = csv ? std::string(12, ',') : "";
        for (std::size_t i = 0; i < aloneLines.size(); ++i) {
            std::string expected = aloneLines[i];
            const bool crlf = !expected.empty() && expected.back() == '\r';
            if (crlf) expected.pop_back();
            expected += (i == 0 ? more : empty) + (crlf ? "\r" : "");
            EXPECT_EQ(mixedLines[i], expected) << "line " << i + 1;
        }
        // Their summary lines stand as they were; the total counts both.
        EXPECT_TRUE(m.out.starts_with(a.out.substr(0, a.out.find("合计"))));
        EXPECT_NE(m.out.find("合计：2 个构件，14 行，"), std::string::npos) << m.out;
        EXPECT_EQ(m.err, a.err);
    }
    // A table with the γ0 column whose rows are all archived has the
    // current code's columns, and empty cells in them.
    std::string withGamma = example();
    const std::string lastHeading = "钢筋\n";
    withGamma.replace(withGamma.find(lastHeading), lastHeading.size(), "钢筋,γ0\n");
    folder.write("gamma.csv", withGamma);
    EXPECT_EQ(runBatch(folder, {"gamma.csv", "-o", "gamma.out.csv"}).status, 3);
    const std::vector<table::CellRow> rows = records(folder.read("gamma.out.csv"));
    const std::vector<table::CellRow> aloneRows = records(folder.read("alone.csv"));
    ASSERT_EQ(rows.size(), aloneRows.size());
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_EQ(std::vector<std::string>(rows[i].cells.begin(), rows[i].cells.begin() + 38),
                  aloneRows[i].cells);
}

// Interleaved with the current code's rows, each archived row keeps every
// cell but its row number.
TEST(CurrentCodeBatch, InterleavedArchivedRowsKeepTheirCells) {
    const std::string table = example();
    const std::vector<std::string> exampleLines = lines(table);
    std::string mixed = exampleLines[0] + "\n";
    const std::vector<std::string> current = lines(kCurrentRows);
    for (std::size_t i = 1; i < exampleLines.size(); ++i)
        mixed += exampleLines[i] + "\n" + current[i % current.size()] + "\n";
    ScratchFolder folder;
    folder.write("alone.csv", table);
    folder.write("mixed.csv", mixed);
    runBatch(folder, {"alone.csv", "-o", "alone.out.csv"});
    runBatch(folder, {"mixed.csv", "-o", "mixed.out.csv"});
    const std::vector<table::CellRow> alone = records(folder.read("alone.out.csv"));
    const std::vector<table::CellRow> out = records(folder.read("mixed.out.csv"));
    ASSERT_EQ(out.size(), 2 * alone.size() - 1);
    const std::size_t rowColumn = 12;
    for (std::size_t i = 1; i < alone.size(); ++i) {
        std::vector<std::string> cells = out[2 * i - 1].cells;
        ASSERT_EQ(cells.size(), alone[i].cells.size() + 12);
        EXPECT_EQ(cells[rowColumn], std::to_string(2 * i));
        cells.resize(alone[i].cells.size());
        cells[rowColumn] = alone[i].cells[rowColumn];
        EXPECT_EQ(cells, alone[i].cells) << "row " << i;
        EXPECT_EQ(out[2 * i].cells[39], "JTG 3362-2018");
    }
}

TEST(CurrentCodeBatch, JsonResultsHaveTheKeysOfTheirMethod) {
    const std::vector<std::string> base = {"method",  "e0",          "eta",    "alpha",
                                           "alphaT",  "Nu",          "Mu",     "phi",
                                           "NuAxial", "utilisation", "verdict"};
    std::vector<std::string> design = base;
    for (const char* key : {"AgRequired", "rho", "D12", "D14", "D16", "D18", "D20", "D22", "D25",
                            "D28", "D32", "D36", "D40"})
        design.emplace_back(key);
    std::vector<std::string> check = base;
    check.emplace_back("rhoGiven");
    std::vector<std::string> enlarge = base;
    enlarge.emplace_back("rho");
    struct Row {
        const char* cells;
        const char* status;
        std::vector<std::string> keys;
    };
    const Row rows[] = {
        {"d,P2,配筋计算,C30,HRB400,6200,1850,1.2,0.05,10,,,1.1", "done", design},
        {"c,P2,强度校核,C30,HRB400,6200,1850,1.2,0.05,10,,24D28,", "done", check},
        {"e,P3,配筋计算,C25,HPB300,20000,3000,0.6,0.05,3,,,", "enlarge-section", enlarge},
        {"x,P3,配筋计算,C30,HRB400,6200,1850,1.2,0.05,60,,,",
         "slenderness-beyond-table",
         {"method"}},
        {"m,P3,配筋计算,C30,Ⅱ级,6200,1850,1.2,0.05,10,,,", "input-error", {}},
        {"a,P1,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10,,,1.0",
         "done",
         {"xi", "coefA", "coefB", "coefC", "coefD", "rho", "AgRequired", "D12", "D14", "D16", "D18",
          "D20", "D22", "D25", "D28", "D32", "D34", "D36"}},
    };
    std::string table =
        "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,"
        "钢筋面积,钢筋,gamma0\n";
    for (const Row& r : rows) table += r.cells + std::string("\n");
    ScratchFolder folder;
    folder.write("in.csv", table);
    const BatchRun run = runBatch(folder, {"in.csv", "-f", "json"});
    EXPECT_EQ(run.status, 3);  // the rows that cannot be read or run
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), std::size(rows));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const json line = json::parse(out[i]);
        EXPECT_EQ(line["status"], rows[i].status) << line;
        std::vector<std::string> keys;
        for (const auto& item : line["result"].items()) keys.push_back(item.key());
        EXPECT_EQ(keys, rows[i].keys) << line;
        EXPECT_TRUE(line["input"].contains("gamma0"));
    }
}

// A check that fails under the current code fails the run, and the summary
// names it among the current code's checks.
TEST(CurrentCodeBatch, FailingChecksOfTheCurrentCodeFailTheRun) {
    ScratchFolder folder;
    folder.write("in.csv",
                 "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋,γ0\n"
                 "a,P2,强度校核,C30,HRB400,3900,900,1.2,0.05,10,24D28,1.1\n"
                 "b,P2,强度校核,C30,HRB400,5000,3000,1.2,0.05,10,24D28,1.1\n");
    const BatchRun run = runBatch(folder, {"in.csv", "-o", "out.csv", "--lang", "en"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("JTG 3362-2018 check: 2 rows, 1 fail (row 3); largest utilisation 1."),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("total: 1 member, 2 rows, 1 failing check, 0 rows without a result"),
              std::string::npos)
        << run.out;
}

// The current code's columns come with a row of its grades wherever it
// stands, in whatever case; letters of its grades elsewhere in a table (a
// member's name, a title) bring none.
TEST(CurrentCodeBatch, TheCurrentCodesColumnsComeWithARowOfItsGradesAnywhere) {
    const std::string header =
        "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋\n";
    std::string archived;
    for (int i = 0; i < 400; ++i)
        archived += "r" + std::to_string(i) + ",P1,配筋计算,25号,Ⅱ级,5000,1200,1.2,0.05,10,,\n";
    const std::string current = "新,P2,强度校核,c30,hrb400,5000,3000,1.2,0.05,10,,24D28\n";
    const std::string named = "r,C1B,配筋计算,25号,Ⅱ级,5000,1200,1.2,0.05,10,,\n";
    struct Case {
        const char* what;
        std::string table;
        bool currentColumns;
    };
    const Case cases[] = {
        {"archived rows alone", header + archived, false},
        {"a current row at the end", header + archived + current, true},
        {"a current row first", header + current + archived, true},
        {"a current row in the middle", header + archived + current + archived, true},
        {"a member named with the letters", header + archived + named, false},
        {"a title above the header", "C30 HRB400 桥墩\n" + header + archived, false},
        {"a current grade quoted", header + archived + "新,P2,配筋计算,\" C30\",Ⅱ级,1,1,1,0,1,,\n",
         true},
    };
    for (const Case& c : cases) {
        for (const char* jobs : {"1", "2"}) {
            SCOPED_TRACE(std::string(c.what) + ", --jobs " + jobs);
            ScratchFolder folder;
            folder.write("in.csv", c.table);
            runBatch(folder, {"in.csv", "-o", "out.csv", "--jobs", jobs});
            const std::string out = folder.read("out.csv");
            const std::string firstLine = out.substr(0, out.find('\n'));
            EXPECT_EQ(firstLine.find(",gamma0,method,") != std::string::npos, c.currentColumns)
                << firstLine;
        }
    }
}

}  // namespace
}  // namespace pilaro::test
