// pilaro-batch --diagram for a member of the current code, JTG 3362-2018:
// the SVG reads back with its title naming the code and γ0, the line of
// Nmax and a marker for each case; the figures put each load at
// (γ0 Nd η e0, γ0 Nd), with e0 and η worked out here; and members that mix
// methods, or differ in γ0, are told.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "table/csv_reader.h"
#include "tests/batch/batch_process.h"

namespace pilaro::test {
namespace {

const std::string kHeader =
    "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋,γ0\n";

struct Load {
    const char* name;
    double Nd, Md;
};
// D = 1.2 m, a = 0.05 m, l0 = 14 m (l0 / i = 46.7: η counts), C30,
// HRB400, 24D28, γ0 = 1.1; the last case below e0's floor of 0.04 m.
const Load kLoads[] = {{"a", 6200, 1850}, {"b", 5000, 3000}, {"c", 3900, 900}, {"d", 17000, 200}};

std::string member(const char* name, const char* gamma0) {
    std::string rows;
    for (const Load& l : kLoads)
        rows += std::string(l.name) + "," + name + ",强度校核,C30,HRB400," +
                std::to_string(static_cast<int>(l.Nd)) + "," +
                std::to_string(static_cast<int>(l.Md)) + ",1.2,0.05,14,24D28," + gamma0 + "\n";
    return rows;
}

std::vector<table::CellRow> records(const std::string& text) {
    std::istringstream in(text);
    table::CsvReader reader(in);
    std::vector<table::CellRow> out;
    for (table::CellRow r; reader.next(r);) out.push_back(r);
    return out;
}

// e0 with its floor, η by the code's formula: the load's moment is
// γ0 Nd η e0.
double amplifiedEccentricity(const Load& l) {
    const double D = 1.2, a = 0.05, l0 = 14;
    const double e0 = std::max(l.Md / l.Nd, std::max(0.02, D / 30));
    const double h0 = D - a;
    const double zeta1 = std::min(1.0, 0.2 + 2.7 * e0 / h0);
    const double zeta2 = std::min(1.0, 1.15 - 0.01 * l0 / D);
    return (1 + (l0 / D) * (l0 / D) * zeta1 * zeta2 / (1300 * e0 / h0)) * e0;
}

TEST(CurrentCodeDiagram, DrawsTheCurveTheAxialLimitAndTheLoads) {
    ScratchFolder folder;
    folder.write("in.csv", kHeader + member("P2", "1.1"));
    const BatchRun run = runBatch(folder, {"in.csv", "-o", "out.csv", "--diagram", "d"});
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("构件 P2 的 N–M 图（24D28）：d/P2.svg"), std::string::npos) << run.out;

    const std::vector<table::CellRow> figures = records(folder.read("d/P2.csv"));
    ASSERT_GT(figures.size(), 260u);
    EXPECT_EQ(figures[0].cells, (std::vector<std::string>{"alpha", "N", "M"}));
    EXPECT_EQ(figures[1].cells[0], "0.00390625");    // α = 1/256 …
    EXPECT_EQ(figures[255].cells[0], "0.99609375");  // … to 255/256
    ASSERT_EQ(figures[256].cells, std::vector<std::string>{"Nmax"});
    const double Nmax = std::stod(figures[257].cells[0]);
    EXPECT_EQ(figures[258].cells, (std::vector<std::string>{"name", "N", "M", "verdict"}));
    ASSERT_EQ(figures.size(), 259u + std::size(kLoads));
    std::map<std::string, std::string> verdicts;
    for (std::size_t i = 0; i < std::size(kLoads); ++i) {
        const Load& l = kLoads[i];
        const auto& cells = figures[259 + i].cells;
        EXPECT_EQ(cells[0], l.name);
        EXPECT_DOUBLE_EQ(std::stod(cells[1]), 1.1 * l.Nd);
        EXPECT_NEAR(std::stod(cells[2]), 1.1 * l.Nd * amplifiedEccentricity(l), 1e-9 * l.Nd);
        verdicts[cells[0]] = cells[3];
    }
    // The verdicts are those of the output table's checks.
    for (const table::CellRow& row : records(folder.read("out.csv")))
        if (verdicts.contains(row.cells[0])) {
            EXPECT_EQ(row.cells[37], verdicts[row.cells[0]]) << row.cells[0];
        }
    EXPECT_EQ(verdicts["d"], "重新配筋！");  // above Nmax
    EXPECT_EQ(verdicts["c"], "通过验算！");

    const std::string svg = folder.read("d/P2.svg");
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    std::string title, texts;
    int circles = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"title") title = xml.readElementText().toStdString();
        if (xml.name() == u"text") texts += xml.readElementText().toStdString();
        if (xml.name() == u"circle") ++circles;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(title, "P2 N–M 24D28（JTG 3362-2018，γ0＝1.1）");
    for (const char* part : {"JTG 3362-2018", "γ0＝1.1", "C30", "HRB400", "24D28", "0.05"})
        EXPECT_NE(texts.find(part), std::string::npos) << part;
    char limit[64];
    std::snprintf(limit, sizeof limit, "Nmax＝%.2f kN", std::floor(Nmax * 100) / 100);
    EXPECT_NE(texts.find(limit), std::string::npos) << limit;
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);   // the line of Nmax
    EXPECT_EQ(circles, 2 + static_cast<int>(std::size(kLoads)));  // the legend's two, the loads
}

TEST(CurrentCodeDiagram, MembersThatMixMethodsOrDifferInGammaGetNone) {
    struct Case {
        std::string rows;
        const char* told;
    };
    const Case cases[] = {
        {member("P2", "1.1") + "x,P2,强度校核,25号,Ⅱ级,5000,1500,1.2,0.05,10,24D28,\n",
         "构件 P2：第 6 行按原方法（号、级）、第 2 行按 JTG 3362-2018 计算"},
        {member("P2", "1.1") + "x,P2,强度校核,C30,HRB400,5000,1500,1.2,0.05,14,24D28,1.0\n",
         "构件 P2：第 2 行与第 6 行的γ0不同"},
        {member("P2", "1.1") + "x,P2,强度校核,C30,HRB400,5000,1500,1.2,0.05,10,24D28,1.1\n",
         "构件 P2：第 2 行与第 6 行的计算长度不同"},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        folder.write("in.csv", kHeader + c.rows);
        const BatchRun run = runBatch(folder, {"in.csv", "-o", "out.csv", "--diagram", "d"});
        EXPECT_EQ(run.status, 3);  // a member that gets no diagram
        EXPECT_NE(run.err.find(c.told), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "d/P2.svg"));
    }
}

}  // namespace
}  // namespace pilaro::test
