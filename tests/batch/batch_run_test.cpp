// pilaro-batch end to end: small tables in, output tables, summaries and
// exit statuses out.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "table/cell_values.h"
#include "table/csv_reader.h"
#include "tests/batch/batch_process.h"
#include "tests/support/bar_texts.h"

namespace pilaro::test {
namespace {

using nlohmann::json;

const std::string kHeader =
    "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋\n";
// The worked examples: D = 1.2, a = 0.05, l0 = 10, 25号, Ⅱ级.
const std::string kDesign = "d,P1,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10,,\n";
const std::string kCheck = "c,P1,强度校核,25号,Ⅱ级,5000,1500,1.2,0.05,10,45.239,\n";

std::vector<json> jsonLines(const std::string& text) {
    std::vector<json> rows;
    for (const std::string& line : splitLines(text)) rows.push_back(json::parse(line));
    return rows;
}

TEST(BatchInput, EachErrorNamesRowColumnAndTextAndTheOtherRowsRun) {
    struct Case {
        const char* row;
        const char* error;  // after "column "
    };
    const Case cases[] = {
        {"x,P1,配筋计算,25号,Ⅱ级,5000,3000,\"1,2\",0.05,10,,", "直径/D: \"1,2\" is not a number"},
        {"x,P1,配筋计算,25号,Ⅱ级,5000kN,3000,1.2,0.05,10,,",
         "轴向力/Nj: \"5000kN\" is not a number"},
        {"x,P1,配筋计算,25号,Ⅱ级,,3000,1.2,0.05,10,,", "轴向力/Nj: is empty"},
        {"x,P1,配筋计算,25号,Ⅱ级,5000,1e400,1.2,0.05,10,,", "弯矩/Mj: \"1e400\" is out of range"},
        {"x,P1,inf,25号,Ⅱ级,5000,3000,1.2,0.05,inf,,",
         "类型/type: \"inf\" is not 配筋计算, 强度校核, design or check"},
        {"x,P1,配筋计算,35号,Ⅱ级,5000,3000,1.2,0.05,10,,", "混凝土标号/concrete: \"35号\" is not"},
        {"x,P1,配筋计算,25号,V,5000,3000,1.2,0.05,10,,", "钢筋等级/steel: \"V\" is not"},
        {"x,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,24D30", "钢筋/bars: \"24D30\" is not bars"},
        {"x,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,", "钢筋面积/Ag: a check needs"},
        {"x,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,45,24D28", "钢筋面积/Ag: a check takes"},
        {"x,P1,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10,,,extra",
         "13: \"extra\" stands under no column name"},
    };
    std::string table = kHeader + kDesign;
    for (const Case& c : cases) table += c.row + std::string("\n");
    table += kCheck;
    ScratchFolder folder;
    folder.write("in.csv", table);
    const BatchRun run = runBatch(folder, {"in.csv", "--format", "json"});
    EXPECT_EQ(run.status, 1);
    const std::vector<json> rows = jsonLines(run.out);
    ASSERT_EQ(rows.size(), std::size(cases) + 2);
    EXPECT_EQ(rows.front()["status"], "done");
    EXPECT_EQ(rows.back()["status"], "done");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const json& row = rows[i + 1];
        const std::string line = std::to_string(i + 3);
        EXPECT_EQ(row["row"], i + 3);
        EXPECT_EQ(row["status"], "input-error");
        EXPECT_NE(row["message"].get<std::string>().find(std::string("column ") + cases[i].error),
                  std::string::npos)
            << row["message"];
        EXPECT_NE(run.err.find("row " + line + ", column " + cases[i].error), std::string::npos)
            << run.err;
    }
}

// Bars in the bars column are checked as the area they supply, typed out;
// bars of a diameter the bar table lacks are an input error, and steel
// larger than the section stops the row.
TEST(BatchInput, BarsAreCheckedAsTheAreaTheySupply) {
    const std::string check = "c,P1,强度校核,25号,Ⅱ级,5000,1500,1.2,0.05,10,";
    std::string table = kHeader;
    for (const BarText& bars : kBarTexts) {
        EXPECT_EQ(table::readBars(bars.text), table::readNumber(bars.area).value) << bars.text;
        table += check + ",\"" + bars.text + "\"\n" + check + bars.area + ",\n";
    }
    for (const char* text : kUnknownDiameters) {
        EXPECT_FALSE(table::readBars(text)) << text;
        table += check + ",\"" + text + "\"\n";
    }
    for (const char* text : kNotBars) EXPECT_FALSE(table::readBars(text)) << text;
    table += "c,P1,强度校核,25号,Ⅱ级,5000,3000,1.5,0.05,10,20000,\n";  // a ratio of 1.13

    ScratchFolder folder;
    folder.write("in.csv", table);
    const std::vector<json> rows = jsonLines(runBatch(folder, {"in.csv", "-f", "json"}).out);
    const std::size_t barRows = 2 * std::size(kBarTexts);
    ASSERT_EQ(rows.size(), barRows + std::size(kUnknownDiameters) + 1);
    for (std::size_t i = 0; i < barRows; i += 2) {
        EXPECT_EQ(rows[i]["status"], "done") << rows[i]["input"]["bars"];
        EXPECT_EQ(rows[i]["result"], rows[i + 1]["result"]) << rows[i]["input"]["bars"];
    }
    for (std::size_t i = barRows; i + 1 < rows.size(); ++i) {
        EXPECT_EQ(rows[i]["status"], "input-error");
        EXPECT_NE(rows[i]["message"].get<std::string>().find("is not bars"), std::string::npos);
    }
    EXPECT_EQ(rows.back()["status"], "area-above-section");
    EXPECT_EQ(rows.back()["message"],
              "纵向钢筋面积大于截面面积（配筋率大于1），请检查纵向钢筋面积！");
}

// Where a table cannot be read as a whole, nothing is written.
TEST(BatchInput, TableErrorsStopBeforeAnythingIsWritten) {
    const struct {
        std::string table;
        const char* message;
    } cases[] = {
        {"", "no header row"},
        {"名称,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层\n" + kDesign,
         "missing column 计算长度/l0"},
        {"备注," + kHeader, "unknown column \"备注\""},
        {"Nj," + kHeader, "column 轴向力/Nj appears twice"},
        {kHeader + kDesign + "\"open,P1\n", "a quoted cell is never closed"},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        folder.write("in.csv", c.table);
        folder.write("out.csv", "old");
        const BatchRun run = runBatch(folder, {"in.csv", "-o", "out.csv"});
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(folder.read("out.csv"), "old");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
    }
}

// A spreadsheet's CSV: byte-order mark, CRLF, quoted cells across lines,
// blank lines, English names in another order and case; row numbers are
// the lines the rows start on.
TEST(BatchInput, ReadsSpreadsheetCsvFromStandardInput) {
    ScratchFolder folder;
    folder.write("in.csv",
                 "\xEF\xBB\xBFNJ,mj,d,a,l0,Type,concrete,steel,name\r\n"
                 "5000,3000,1.2,0.05,10,design,25,2,\"two\r\nlines, and \"\"quotes\"\"\"\r\n"
                 "\r\n"
                 "5000,3000, 1.2 ,0.05,10,DESIGN,25号,II级,plain\r\n");
    const BatchRun run = runBatch(folder, {"-", "-f", "json"}, {(folder.path() / "in.csv")});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<json> rows = jsonLines(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]["row"], 2);
    EXPECT_EQ(rows[0]["input"]["name"], "two\r\nlines, and \"quotes\"");
    EXPECT_EQ(rows[1]["row"], 5);
    for (const json& row : rows) EXPECT_EQ(row["result"]["AgRequired"], "207.021");
}

TEST(BatchGoverningCase, SummarisesEachMemberAndTriesProvidedBars) {
    ScratchFolder folder;
    folder.write("in.csv",
                 kHeader + kDesign +                                             // 207.021 cm²
                     "d,P1,配筋计算,25号,Ⅱ级,4800,1500,1.2,0.05,10,,\n" +        // 45.238 cm²
                     kCheck +                                                    // Nq 6037.51
                     "c,P1,强度校核,25号,Ⅱ级,8000,3000,1.2,0.05,10,45.239,\n" +  // 4339.491
                     "d,P2,配筋计算,25号,Ⅱ级,6200,1850,1.2,0.05,10,,\n");
    const BatchRun own = runBatch(folder, {"in.csv", "-o", "out.jsonl", "--lang", "en"});
    EXPECT_EQ(own.status, 1);
    EXPECT_EQ(own.out,
              "member P1: 4 rows\n"
              "  design: most steel 207.021 cm² (rho .0183) at row 2, of 2 design rows\n"
              "  check: 2 rows, 1 fail (row 5); smallest margin Nq/Nj 0.542 at row 5\n"
              "member P2: 1 row\n"
              "  design: most steel 55.258 cm² (rho .0048) at row 6, of 1 design row\n"
              "total: 2 members, 5 rows, 1 failing check, 0 rows without a result\n");

    const BatchRun provided =
        runBatch(folder, {"in.csv", "-o", "out.jsonl", "--provide", "24D28", "--lang", "en"});
    EXPECT_EQ(provided.status, 1);
    EXPECT_EQ(provided.out,
              "every row checked with 24D28\n"
              "member P1: 4 rows\n"
              "  check: 4 rows, 2 fail (rows 2, 5); smallest margin Nq/Nj 0.812 at row 5\n"
              "member P2: 1 row\n"
              "  check: 1 row, all pass; smallest margin Nq/Nj 1.282 at row 6\n"
              "total: 2 members, 5 rows, 2 failing checks, 0 rows without a result\n");
    const std::vector<json> rows = jsonLines(folder.read("out.jsonl"));
    ASSERT_EQ(rows.size(), 5u);
    for (const json& row : rows) {
        EXPECT_EQ(row["input"]["bars"], "24D28");
        EXPECT_EQ(row["input"]["Ag"], "");
        EXPECT_TRUE(row["result"].contains("verdict"));
    }
    // As a check row with 24D28 of its own gives it.
    EXPECT_EQ(rows[0]["result"]["Nq"], "4145.039");
}

TEST(BatchOutput, EachFormatReadsBackWithTheSameValues) {
    ScratchFolder folder;
    folder.write("in.csv",
                 kHeader + kDesign + kCheck + "x,P1,design,25号,Ⅱ级,5000,3000,0,0.05,10,,\n");
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "out.jsonl"}).status, 1);
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "out.csv"}).status, 1);
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "out.xlsx"}).status, 1);
    const std::vector<json> rows = jsonLines(folder.read("out.jsonl"));
    ASSERT_EQ(rows.size(), 3u);
    // A run that stops: its status and the window's message, no read-out.
    const std::string stop = rows[2]["status"];
    EXPECT_NE(stop, "done");
    EXPECT_NE(rows[2]["message"], "");
    EXPECT_EQ(rows[2]["result"], json::object());

    const std::string csv = folder.read("out.csv");
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    std::istringstream csvText(csv);
    table::CsvReader reader(csvText);
    table::CellRow header;
    ASSERT_TRUE(reader.next(header));
    for (const json& row : rows) {
        table::CellRow record;
        ASSERT_TRUE(reader.next(record));
        ASSERT_EQ(record.cells.size(), header.cells.size());
        for (std::size_t i = 0; i < header.cells.size(); ++i) {
            const std::string& name = header.cells[i];
            const std::string& cell = record.cells[i];
            if (name == "row")
                EXPECT_EQ(cell, std::to_string(row["row"].get<int>()));
            else if (row["input"].contains(name))
                EXPECT_EQ(cell, row["input"][name]);
            else if (row.contains(name))
                EXPECT_EQ(cell, row[name]);
            else
                EXPECT_EQ(cell, row["result"].value(name, "")) << name;
        }
    }

    ASSERT_EQ(std::system(("cd " + folder.path().string() +
                           " && unzip -p out.xlsx xl/worksheets/sheet1.xml > sheet.xml")
                              .c_str()),
              0);
    const std::string sheet = folder.read("sheet.xml");
    const std::string texts[] = {"<t>AgRequired</t>", "<t>纵向钢筋面积（cm2）</t>",
                                 "<v>207.021</v>",    "<v>6037.51</v>",
                                 "<t>通过验算！</t>", "<t>" + stop + "</t>"};
    for (const std::string& text : texts) EXPECT_NE(sheet.find(text), std::string::npos) << text;
}

// A write that fails half-way leaves the old file as it was and no other.
TEST(BatchOutput, FailureWhileWritingLeavesNoPartialFile) {
    std::string table = kHeader;
    for (int i = 0; i < 2000; ++i) table += kDesign;
    for (const char* name : {"out.csv", "out.jsonl", "out.xlsx"}) {
        ScratchFolder folder;
        folder.write("in.csv", table);
        folder.write(name, "old");
        const BatchRun run = runBatch(folder, {"in.csv", "-o", name}, {.fileSizeLimit = 100000});
        EXPECT_EQ(run.status, 2) << name << run.err;
        EXPECT_NE(run.err.find("cannot"), std::string::npos) << run.err;
        EXPECT_EQ(folder.read(name), "old");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
    }
}

TEST(BatchExitStatus, TellsPassFailAndUsageApart) {
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"in.csv"}, 0},
        {{"in.csv", "--provide", "4D12"}, 1},
        {{"in.csv", "--provide", "24Φ28"}, 1},
        {{"in.csv", "--provide", "20000"}, 1},  // more steel than the section: no result
        {{"--help"}, 0},
        {{"missing.csv"}, 2},
        {{"in.csv", "--provide", "24D30"}, 2},
        {{"in.csv", "--provide", "0"}, 2},
        {{"in.csv", "-f", "xlsx"}, 2},
        {{"in.csv", "-o", "out.txt"}, 2},
        {{"in.csv", "--colour"}, 2},
        {{"in.csv", "-o", "./in.csv"}, 2},
        {{}, 2},
    };
    ScratchFolder folder;
    folder.write("in.csv", kHeader + kDesign + kCheck);
    for (const auto& c : cases) {
        const BatchRun run = runBatch(folder, c.args);
        EXPECT_EQ(run.status, c.status) << (c.args.empty() ? "" : c.args.back()) << run.err;
    }
    EXPECT_NE(runBatch(folder, {"--help"}).out.find("退出状态"), std::string::npos);
}

}  // namespace
}  // namespace pilaro::test
