// pilaro-batch --diagram end to end: the drawings read back as what they
// claim to be, the figures beside them agree with the checks of the output
// table, and a member's name or data never makes it write where it should
// not.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QXmlStreamReader>
#include <cstdio>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "diagram/diagram_picture.h"
#include "table/csv_reader.h"
#include "tests/batch/batch_process.h"

namespace pilaro::test {
namespace {

const std::string kHeader =
    "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋\n";
// The example pier (D = 1.2, a = 0.05, l0 = 10, 25号, Ⅱ级) under four loads.
std::string pier(const std::string& member, const std::string& bars, const char* D = "1.2") {
    std::string rows;
    for (const char* loads : {"6200,1850", "5000,3000", "4300,2650", "3900,900"})
        rows += std::string("case ") + loads[0] + "," + member + ",强度校核,25号,Ⅱ级," + loads +
                "," + D + ",0.05,10," + bars + "\n";
    return rows;
}

std::vector<table::CellRow> csvRecords(const std::string& text) {
    std::istringstream in(text);
    table::CsvReader reader(in);
    std::vector<table::CellRow> records;
    for (table::CellRow r; reader.next(r);) records.push_back(r);
    return records;
}

TEST(DiagramRun, EachFormatReadsBackAsWhatItClaims) {
    ScratchFolder folder;
    folder.write("in.csv", kHeader + pier("P1", "24D28"));
    for (const char* format : {"svg", "png", "pdf"}) {
        const BatchRun run = runBatch(
            folder, {"in.csv", "-o", "out.csv", "--diagram", "d", "--diagram-format", format});
        EXPECT_EQ(run.status, 1) << run.err;  // two of the checks fail
        EXPECT_EQ(run.err, "") << format;
        EXPECT_NE(run.out.find(std::string("构件 P1 的 N–M 图（24D28）：d/P1.") + format),
                  std::string::npos)
            << run.out;
    }
    QXmlStreamReader svg(QByteArray::fromStdString(folder.read("d/P1.svg")));
    while (!svg.atEnd()) svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();

    const QImage png(QString::fromStdString((folder.path() / "d/P1.png").string()));
    EXPECT_EQ(png.size(), QSize(diagram::kPngWidth, diagram::kPngHeight));
    std::map<bool, int> markerPixels;  // red for a failing check, green for one that passes
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QColor c = png.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 70) ++markerPixels[false];
            if (c.green() > 140 && c.red() < 40 && c.blue() < 100) ++markerPixels[true];
        }
    EXPECT_GT(markerPixels[false], 100);
    EXPECT_GT(markerPixels[true], 100);

    const std::string text = (folder.path() / "pdf.txt").string();
    const std::string command = "pdftotext " + (folder.path() / "d/P1.pdf").string() + " " + text;
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string pdfText = folder.read("pdf.txt");
    for (const char* label : {"弯矩 M（kN·m）", "轴向力 N（kN）", "24D28", "case 5"})
        EXPECT_NE(pdfText.find(label), std::string::npos) << label;
}

// Each load point's verdict is its row's check with the diagram's steel,
// and the curve runs from the top of the section down to tension.
TEST(DiagramRun, FiguresAgreeWithTheChecksOfTheOutputTable) {
    ScratchFolder folder;
    folder.write("in.csv", kHeader + pier("P1", "24D28") + pier("P1", "26D32"));
    const BatchRun run = runBatch(folder, {"in.csv", "-o", "out.jsonl", "--diagram", "d"});
    EXPECT_EQ(run.status, 1) << run.err;
    std::map<std::string, std::string> verdicts;  // "24D28 case 5" -> its verdict
    std::istringstream lines(folder.read("out.jsonl"));
    for (std::string line; std::getline(lines, line);) {
        const auto row = nlohmann::json::parse(line);
        verdicts[row["input"]["bars"].get<std::string>() + " " +
                 row["input"]["name"].get<std::string>()] = row["result"]["verdict"];
    }
    for (const char* bars : {"24D28", "26D32"}) {
        const auto records = csvRecords(folder.read(std::string("d/P1-") + bars + ".csv"));
        ASSERT_GT(records.size(), 100u);
        EXPECT_EQ(records.front().cells, (std::vector<std::string>{"xi", "N", "M"}));
        const auto loads = std::find_if(records.begin(), records.end(), [](const auto& r) {
            return r.cells == std::vector<std::string>{"name", "N", "M", "verdict"};
        });
        ASSERT_NE(loads, records.end());
        EXPECT_GT(std::stod(records[1].cells[1]), std::stod(loads[-1].cells[1]));
        EXPECT_LT(std::stod(loads[-1].cells[1]), 0);
        ASSERT_EQ(records.end() - loads, 5);  // each case once
        for (auto r = loads + 1; r != records.end(); ++r)
            EXPECT_EQ(r->cells[3], verdicts.at(bars + (" " + r->cells[0]))) << bars << r->cells[0];
    }
}

// Without checks, a member is drawn for the largest area its designs need.
TEST(DiagramRun, DesignsAloneAreDrawnForTheirGoverningArea) {
    ScratchFolder folder;
    std::string designs = pier("P1", "");
    for (std::size_t at = 0; (at = designs.find("强度校核", at)) != std::string::npos;)
        designs.replace(at, std::string("强度校核").size(), "配筋计算");
    folder.write("in.csv", kHeader + designs);
    const BatchRun run =
        runBatch(folder, {"in.csv", "-o", "out.csv", "--diagram", "d", "--lang", "en"});
    EXPECT_NE(run.out.find("most steel 207.021 cm²"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("diagram of member P1 with 207.021 cm²: d/P1.svg"), std::string::npos)
        << run.out;
    EXPECT_EQ(csvRecords(folder.read("d/P1.csv")).back().cells.size(), 4u);
}

TEST(DiagramRun, BadDataOrNamesGiveAMessageAndNeverAStrayFile) {
    ScratchFolder folder;
    std::string mixed = pier("M", "24D28");
    mixed += pier("M", "24D28", "1.4");  // a second section under one member
    folder.write("in.csv", kHeader + mixed + pier("../in", "24D28") + pier("in", "24D28"));
    const BatchRun run =
        runBatch(folder, {"in.csv", "-o", "out.csv", "--diagram", ".", "--lang", "en"});
    EXPECT_EQ(run.status, 2);  // the member "in" would replace the input table
    EXPECT_NE(run.err.find("member M: rows 2 and 6 differ in 直径, so"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("./in.csv would replace a table of this run"), std::string::npos)
        << run.err;
    EXPECT_EQ(folder.read("in.csv"),
              kHeader + mixed + pier("../in", "24D28") + pier("in", "24D28"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "M.svg"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "in.svg"));  // not half of a pair
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "_._in.svg"));
    EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "in.svg"));

    EXPECT_EQ(runBatch(folder, {"in.csv", "--diagram-format", "png"}).status, 2);
}

}  // namespace
}  // namespace pilaro::test
