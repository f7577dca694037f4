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
        const char* told;   // on standard error, after the row, naming the header's column
    };
    const Case cases[] = {
        {"x,P1,配筋计算,25号,Ⅱ级,5000,3000,\"1,2\",0.05,10,,", "直径/D: \"1,2\" is not a number",
         "直径输入有误：“1,2”不是一个数。请用小数点"},
        {"x,P1,配筋计算,25号,Ⅱ级,5000kN,3000,1.2,0.05,10,,",
         "轴向力/Nj: \"5000kN\" is not a number", "轴向力输入有误：“5000kN”不是一个数。"},
        {"x,P1,配筋计算,25号,Ⅱ级,,3000,1.2,0.05,10,,", "轴向力/Nj: is empty",
         "轴向力不能为空，请输入轴向力！"},
        {"x,P1,配筋计算,25号,Ⅱ级,5000,1e400,1.2,0.05,10,,", "弯矩/Mj: \"1e400\" is out of range",
         "弯矩的数值超出范围，请检查弯矩！"},
        {"x,P1,inf,25号,Ⅱ级,5000,3000,1.2,0.05,inf,,",
         "类型/type: \"inf\" is not 配筋计算, 强度校核, design or check",
         "类型输入有误：“inf”不是配筋计算或强度校核。"},
        {"x,P1,配筋计算,35号,Ⅱ级,5000,3000,1.2,0.05,10,,", "混凝土标号/concrete: \"35号\" is not",
         "混凝土标号输入有误：“35号”不是混凝土标号（15号、20号……60号）。"},
        {"x,P1,配筋计算,25号,V,5000,3000,1.2,0.05,10,,", "钢筋等级/steel: \"V\" is not",
         "钢筋等级输入有误：“V”不是钢筋等级（Ⅰ级……Ⅳ级、5号）。"},
        {"x,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,24D30", "钢筋/bars: \"24D30\" is not bars",
         "钢筋输入有误：“24D30”中有钢筋表中没有的直径。"},
        {"x,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,", "钢筋面积/Ag: a check needs",
         "强度校核需要钢筋面积或钢筋（如24D28），请输入纵向钢筋面积！"},
        {"x,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,45,24D28", "钢筋面积/Ag: a check takes",
         "强度校核只取钢筋面积或钢筋之一，请删去其中一个！"},
        {"x,P1,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10,,,extra",
         "13: \"extra\" stands under no column name",
         "第13列的“extra”不在任何列名之下，请补上列名或删去它！"},
    };
    std::string table = kHeader + kDesign;
    for (const Case& c : cases) table += c.row + std::string("\n");
    table += kCheck;
    ScratchFolder folder;
    folder.write("in.csv", table);
    const BatchRun run = runBatch(folder, {"in.csv", "--format", "json"});
    EXPECT_EQ(run.status, 3);
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
        EXPECT_NE(run.err.find("pilaro-batch: 第 " + line + " 行：" + cases[i].told),
                  std::string::npos)
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
        {"Nj1," + kHeader, "column \"Nj1\" is no known name: did you mean Nj?"},
        {"Nj," + kHeader, "column 轴向力/Nj appears twice"},
        {kHeader + kDesign + "\"open,P1\n", "a quoted cell is never closed"},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        folder.write("in.csv", c.table);
        folder.write("out.csv", "old");
        const BatchRun run = runBatch(folder, {"in.csv", "-o", "out.csv", "--lang", "en"});
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
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "out.jsonl"}).status, 3);
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "out.csv"}).status, 3);
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "out.xlsx"}).status, 3);
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
        const BatchRun run =
            runBatch(folder, {"in.csv", "-o", name, "--lang", "en"}, {.fileSizeLimit = 100000});
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
        {{"in.csv", "--provide", "20000"}, 3},  // more steel than the section: no result
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

namespace pilaro::test {
namespace {

// The table with each separator outside quoted cells replaced.
std::string separatedBy(const std::string& table, char separator) {
    std::string out = table;
    bool quoted = false;
    for (char& c : out) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) c = separator;
    }
    return out;
}

// What a run gives a user: its status, its summary and the output file.
std::string everythingOf(const BatchRun& run, const ScratchFolder& folder) {
    return std::to_string(run.status) + "\n" + run.out + run.err + folder.read("out.csv");
}

// However Excel saved the table, the run gives the same bytes.
TEST(BatchInput, EveryEncodingSeparatorAndHeaderGivesTheSameOutput) {
    const std::string rows =
        kDesign + kCheck + "x,P1,配筋计算,25号,Ⅱ级,5000,3000,\"1,2\",0.05,10,,\n";
    const std::string withUnits =
        "名称,构件,计算类型,混凝土标号,钢筋等级,轴力(kN),计算弯矩（kN·m）,截面直径(m),"
        "保护层厚度（m）,计算长度 l0（m）,钢筋面积 As(cm²),钢筋\n";
    const struct {
        const char* what;
        std::string table;
        bool gb18030;  // converted with iconv
        bool standardInput;
        std::vector<std::string> args;
    } cases[] = {
        {"commas", kHeader + rows, false, false, {}},
        {"a byte-order mark", "\xEF\xBB\xBF" + kHeader + rows, false, false, {}},
        {"semicolons", separatedBy(kHeader + rows, ';'), false, false, {}},
        {"tabs", separatedBy(kHeader + rows, '\t'), false, false, {}},
        {"tabs named", separatedBy(kHeader + rows, '\t'), false, false, {"--separator", "tab"}},
        {"GB18030", kHeader + rows, true, false, {}},
        {"GB18030 and semicolons from a pipe", separatedBy(kHeader + rows, ';'), true, true, {}},
        {"synonyms and units", withUnits + rows, false, false, {}},
    };
    std::string first;
    for (const auto& c : cases) {
        ScratchFolder folder;
        folder.write("utf8.csv", c.table);
        if (c.gb18030)
            ASSERT_EQ(std::system(("cd " + folder.path().string() +
                                   " && iconv -f UTF-8 -t GB18030 utf8.csv > in.csv")
                                      .c_str()),
                      0);
        else
            folder.write("in.csv", c.table);
        std::vector<std::string> args = {c.standardInput ? "-" : "in.csv", "-o", "out.csv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        RunSettings settings;
        if (c.standardInput) settings.standardInput = folder.path() / "in.csv";
        std::string everything = everythingOf(runBatch(folder, args, settings), folder);
        // Messages name a column as the table's header wrote it.
        const std::string_view named = "截面直径(m)输入有误";
        if (const auto at = everything.find(named); c.table.starts_with(withUnits))
            everything.replace(at, named.size(), "直径输入有误");
        if (first.empty()) first = everything;
        EXPECT_EQ(everything, first) << c.what;
    }
    EXPECT_NE(first.find("1,2"), std::string::npos) << first;
}

// The example and its GB18030 twin, made by examples/make_gb18030.sh.
TEST(BatchInput, TheGb18030ExampleGivesTheBytesOfItsUtf8Twin) {
    std::string outputs[2];
    for (int i = 0; i < 2; ++i) {
        ScratchFolder folder;
        const std::string table =
            std::string(PILARO_EXAMPLES) +
            (i == 0 ? "/pier_load_cases.csv" : "/pier_load_cases_gb18030.csv");
        outputs[i] = everythingOf(runBatch(folder, {table, "-o", "out.csv"}), folder);
    }
    EXPECT_EQ(outputs[1], outputs[0]);
    EXPECT_NE(outputs[0].find("恒载+汽车（最大弯矩）"), std::string::npos);
}

TEST(BatchInput, ATableThatIsNeitherUtf8NorGb18030StopsAtItsLine) {
    ScratchFolder folder;
    folder.write("in.csv",
                 kHeader + kDesign + "x,P1,配筋计算,25号,Ⅱ级\xFF,5000,3000,1.2,0.05,10,,\n");
    folder.write("out.csv", "old");
    const BatchRun run = runBatch(folder, {"in.csv", "-o", "out.csv", "--lang", "en"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line 3 of the input is neither UTF-8 nor GB18030 text"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(folder.read("out.csv"), "old");
}

// Each member its own bars; a member without a pair keeps its own rows.
TEST(BatchProvide, MemberPairsGiveEachMemberItsOwnBars) {
    const std::string table = kHeader + kDesign +  // P1, own: design
                              "c,P2,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,24D28\n" +
                              "d,P3,配筋计算,25号,Ⅱ级,6200,1850,1.2,0.05,10,,\n";
    ScratchFolder folder;
    folder.write("in.csv", table);
    // The same rows with the bars in their own column.
    folder.write("own.csv", kHeader + "d,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,24D28\n" +
                                "c,P2,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,26D32\n");
    const BatchRun own = runBatch(folder, {"own.csv", "-f", "json"});
    const BatchRun run = runBatch(folder, {"--provide", "P1=24D28", "--provide", "P2 = 26D32",
                                           "in.csv", "-o", "out.jsonl", "--lang", "en"});
    EXPECT_EQ(run.status, 1) << run.err;  // P1 fails with 24D28
    const std::vector<json> ownRows = jsonLines(own.out);
    const std::vector<json> rows = jsonLines(folder.read("out.jsonl"));
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(ownRows.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(rows[i]["input"]["type"], "强度校核");
        EXPECT_EQ(rows[i]["input"]["bars"], ownRows[i]["input"]["bars"]);
        EXPECT_EQ(rows[i]["result"], ownRows[i]["result"]);
    }
    EXPECT_EQ(rows[0]["result"]["Nq"], "4145.039");
    EXPECT_EQ(rows[2]["input"]["type"], "配筋计算");
    EXPECT_EQ(rows[2]["result"]["AgRequired"], "55.258");
    EXPECT_NE(run.out.find("member P1: 1 row, checked with 24D28\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("member P2: 1 row, checked with 26D32\n"), std::string::npos);
    EXPECT_NE(run.out.find("member P3: 1 row\n"), std::string::npos);
}

TEST(BatchProvide, PairsThatCannotHoldAreTold) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"--provide", "P9=24D28"}, 2, "--provide P9=24D28: the table has no member P9"},
        {{"--provide", "P1=24D28", "--provide", "P1=26D32"}, 2, "member P1 is given steel twice"},
        {{"--provide", "24D28", "--provide", "26D32"}, 2, "steel for every member is given twice"},
        {{"--provide", "P1="}, 2, "\"\" is neither bars"},
        {{"--provide", "=24D28"}, 2, "names no member"},
        {{"nomember.csv", "--provide", "P1=24D28"}, 2, "the table has no column 构件/member"},
    };
    ScratchFolder folder;
    folder.write("in.csv", kHeader + kDesign);
    folder.write("nomember.csv",
                 "名称,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度\n"
                 "d,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10\n");
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        if (args[0] != "nomember.csv") args.insert(args.begin(), "in.csv");
        args.insert(args.end(), {"--lang", "en"});
        const BatchRun run = runBatch(folder, args);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST(BatchOutput, TheFormatFollowsTheExtension) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* file;    // written, or not when the status is 2
        const char* starts;  // how the file starts
    } cases[] = {
        {{"-o", "out.xlsx"}, 0, "out.xlsx", "PK"},
        {{"-o", "out.jsonl", "-f", "json"}, 0, "out.jsonl", "{"},
        {{"-o", "out.table", "-f", "csv"}, 0, "out.table", "\xEF\xBB\xBF"},
        {{"-o", "out.xlsx", "-f", "csv"}, 2, "out.xlsx", ""},
        {{"-o", "out.csv", "-f", "xlsx"}, 2, "out.csv", ""},
        {{"-o", "out.jsonl", "-f", "csv"}, 2, "out.jsonl", ""},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        folder.write("in.csv", kHeader + kDesign);
        std::vector<std::string> args = {"in.csv", "--lang", "en"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const BatchRun run = runBatch(folder, args);
        EXPECT_EQ(run.status, c.status) << c.file << run.err;
        if (c.status == 2) {
            EXPECT_NE(run.err.find("contradicts the extension of " + std::string(c.file)),
                      std::string::npos)
                << run.err;
            EXPECT_FALSE(std::filesystem::exists(folder.path() / c.file)) << c.file;
        } else {
            EXPECT_TRUE(folder.read(c.file).starts_with(c.starts)) << c.file;
        }
    }
}

// 完成, or the message the window gives for the same run or the same text.
TEST(BatchOutput, EachRowsStatusIsInChinese) {
    const struct {
        const char* row;
        const char* status;
    } cases[] = {
        {"d,P1,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10,,", "完成"},
        {"d,P1,配筋计算,25号,Ⅱ级,5000,3000,0,0.05,10,,", "圆形直径不能为零，请输入圆形直径！"},
        {"d,P1,配筋计算,25号,Ⅱ级,5000,3000,\"1,2\",0.05,10,,",
         "圆形直径输入有误：“1,2”不是一个数。请用小数点，不要加单位或千分位逗号。"},
        {"d,P1,配筋计算,25号,Ⅱ级,,3000,1.2,0.05,10,,", "轴向力不能为空，请输入轴向力！"},
        {"d,P1,配筋计算,25号,Ⅱ级,5000,1e400,1.2,0.05,10,,",
         "计算弯矩的数值超出范围，请检查计算弯矩！"},
        {"c,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,24D30",
         "纵向钢筋面积输入有误：“24D30”中有钢筋表中没有的直径。钢筋直径只能是"
         "12、14、16、18、20、22、25、28、32、34、36（mm）。"},
        {"c,P1,强度校核,25号,Ⅱ级,5000,3000,1.2,0.05,10,,24DD",
         "纵向钢筋面积输入有误：“24DD”既不是一个数，也不是钢筋（如24D28或12D28+12D25）。"
         "请用小数点，不要加单位或千分位逗号。"},
        {"d,P1,配筋计算,35号,Ⅴ级,5000,3000,1.2,0.05,10,,",
         "混凝土标号输入有误：“35号”不是混凝土标号（15号、20号……60号）。"
         "钢筋等级输入有误：“Ⅴ级”不是钢筋等级（Ⅰ级……Ⅳ级、5号）。"},
    };
    std::string table = kHeader;
    for (const auto& c : cases) table += c.row + std::string("\n");
    ScratchFolder folder;
    folder.write("in.csv", table);
    runBatch(folder, {"in.csv", "-o", "out.jsonl"});
    runBatch(folder, {"in.csv", "-o", "out.xlsx"});
    const std::vector<json> rows = jsonLines(folder.read("out.jsonl"));
    ASSERT_EQ(rows.size(), std::size(cases));
    ASSERT_EQ(std::system(("cd " + folder.path().string() +
                           " && unzip -p out.xlsx xl/worksheets/sheet1.xml > sheet.xml")
                              .c_str()),
              0);
    const std::string sheet = folder.read("sheet.xml");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i]["statusText"], cases[i].status) << cases[i].row;
        EXPECT_NE(sheet.find(std::string("<t>") + cases[i].status + "</t>"), std::string::npos)
            << cases[i].status;
    }
    // The workbook's Chinese header row gives the units and holds the
    // filter; every column has a width.
    for (const char* text : {"<t>轴向力（kN）</t>", "<t>弯矩（kN·m）</t>", "<t>竖直力Nq（kN）</t>",
                             "<t>状态</t>", "<autoFilter ref=\"A2:AL10\"/>", "<col min=\"38\""})
        EXPECT_NE(sheet.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace pilaro::test
