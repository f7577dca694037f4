// The printer back end, printing to PDF files: what comes out, read back
// with poppler-utils, against the lines the builder makes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "report/report_document.h"
#include "report/report_layout.h"
#include "report/report_lines.h"
#include "report/report_printer.h"
#include "tests/report/pdf_text.h"
#include "tests/report/report_test_state.h"

namespace pilaro {
namespace {

using test::pdfLines;

// The dialog answered "Print to File (PDF)" with `copies` copies.
PrinterDialogStep printToFile(const QString& path, int copies) {
    return [path, copies](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setCopyCount(copies);
        return true;
    };
}

std::string withoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// The PDF's lines with every blank taken out: whether pdftotext reads a
// zone break as a blank depends on how wide the gap happens to be (a run
// can end a hair before the next zone starts).
std::vector<std::string> pdfLinesWithoutBlanks(const std::string& path) {
    std::vector<std::string> lines = pdfLines(path);
    for (std::string& line : lines) line = withoutBlanks(line);
    return lines;
}

// What each copy should read as, blanks taken out likewise.
std::vector<std::string> expectedText(const CalcState& state, int copies) {
    std::vector<std::string> copy;
    for (const ReportLine& line : reportLines(state)) {
        std::string text;
        for (const std::string& run : lineRuns(line)) text += run;
        copy.push_back(withoutBlanks(text));
    }
    std::vector<std::string> all;
    for (int i = 0; i < copies; ++i) all.insert(all.end(), copy.begin(), copy.end());
    return all;
}

class ReportPrinter : public ::testing::Test {
  protected:
    std::string pdf(const char* name) const { return dir_.filePath(name).toStdString(); }
    QTemporaryDir dir_;
};

CalcState designRun() {
    CalcState s = test::stateWithGrades();
    test::chooseDesign(s);
    EXPECT_EQ(test::pressRun(s, 3000, 5000), CalcStatus::Done);
    return s;
}

CalcState checkRun() {
    CalcState s = test::stateWithGrades();
    test::chooseCheck(s);
    EXPECT_EQ(test::pressRun(s, 1500, 5000, 45.239, "45.239"), CalcStatus::Done);
    return s;
}

struct PrintCase {
    const char* name;
    std::function<CalcState()> make;
    int copies;
    std::size_t linesPerCopy;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<PrintCase> kPrintCases = {
    {"DesignThreeCopies", designRun, 3, 7},
    {"CheckThreeCopies", checkRun, 3, 6},
    {"FreshWindowOneCopy", test::freshState, 1, 7},
};

class ReportPrinterCopies : public ReportPrinter,
                            public ::testing::WithParamInterface<PrintCase> {};

TEST_P(ReportPrinterCopies, PdfHoldsEveryCopyLineByLine) {
    const PrintCase& c = GetParam();
    const CalcState state = c.make();
    const std::string path = pdf("report.pdf");
    printReport(state, nullptr, printToFile(QString::fromStdString(path), c.copies));
    const std::vector<std::string> expected = expectedText(state, c.copies);
    ASSERT_EQ(expected.size(), c.linesPerCopy * c.copies);
    EXPECT_EQ(pdfLinesWithoutBlanks(path), expected);
    EXPECT_EQ(test::pdfPageCount(path), 1);
}

INSTANTIATE_TEST_SUITE_P(Report, ReportPrinterCopies, ::testing::ValuesIn(kPrintCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The same pages checked against the literal text, not the builder.
TEST_F(ReportPrinter, DesignAndCheckReportsReadAsPrinted) {
    const std::string design = pdf("design.pdf");
    printReport(designRun(), nullptr, printToFile(QString::fromStdString(design), 1));
    const std::vector<std::string> designLines = pdfLines(design);
    ASSERT_EQ(designLines.size(), 7u);
    EXPECT_EQ(designLines[0], "圆形Pilaro结果");
    EXPECT_EQ(designLines[3], "钢筋直径D12＝ 183 根 D14= 135 D16= 103 D18= 82 D20= 66");
    EXPECT_EQ(designLines[5], "纵向钢筋面积＝ 207.021 cm2 配筋率＝ .0183");

    const std::string check = pdf("check.pdf");
    printReport(checkRun(), nullptr, printToFile(QString::fromStdString(check), 1));
    const std::vector<std::string> checkLines = pdfLines(check);
    ASSERT_EQ(checkLines.size(), 6u);
    EXPECT_EQ(checkLines[3], "校核钢筋＝45.239 纵向钢筋面积＝ 45.239 cm2");
    EXPECT_EQ(checkLines[4],
              "竖直力Nq＝ 6037.51 KN 弯矩Mq= 1809.547 KN-m 配筋率＝ .004 校核结果＝通过验算！");
}

TEST_F(ReportPrinter, CancelPrintsNothing) {
    const std::string path = pdf("cancelled.pdf");
    bool asked = false;
    printReport(designRun(), nullptr, [&](QPrinter& printer, QWidget*) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setCopyCount(3);
        return false;
    });
    EXPECT_TRUE(asked);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST_F(ReportPrinter, PrinterThatCannotStartEndsQuietly) {
    const QString path = QString::fromStdString(pdf("no-such-dir/report.pdf"));
    printReport(designRun(), nullptr, printToFile(path, 2));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ReportPrinter, FullPageTurnsOverWithoutLosingLines) {
    const CalcState state = designRun();
    const std::string path = pdf("many.pdf");
    const int copies = 20;  // 140 lines, more than one page holds
    printReport(state, nullptr, printToFile(QString::fromStdString(path), copies));
    EXPECT_GT(test::pdfPageCount(path), 1);
    EXPECT_EQ(pdfLinesWithoutBlanks(path), expectedText(state, copies));
}

// 15 mm from every edge on every page, though a PDF printer has next to no
// margins of its own; a line too wide shrinks the report between them.
TEST_F(ReportPrinter, TextKeepsFifteenMillimetresFromEveryEdge) {
    const double margin = 15.0 / 25.4 * 72.0;  // points
    CalcState state = designRun();
    state.lastInput.Eg = -9.87654321098765e+200;
    const std::string path = pdf("margins.pdf");
    printReport(state, nullptr, printToFile(QString::fromStdString(path), 20));
    const std::vector<test::PdfPageWords> pages = test::pdfWords(path);
    ASSERT_GT(pages.size(), 1u);
    EXPECT_GE(pages[0].words.at(0).yMin, margin);
    for (const test::PdfPageWords& page : pages) {
        for (const test::PdfWord& w : page.words) {
            EXPECT_TRUE(w.xMin >= margin && w.yMin >= margin && w.xMax <= page.width - margin &&
                        w.yMax <= page.height - margin)
                << w.text << " at " << w.xMin << "," << w.yMin;
        }
    }
}

// Where the texts land, in points: the title one column right of the other
// lines, every later run on a zone start 14 columns apart, the column being
// the average character width of the printer font.
TEST_F(ReportPrinter, LeadInAndZonesOnThePage) {
    const CalcState state = designRun();
    const std::string path = pdf("zones.pdf");
    printReport(state, nullptr, printToFile(QString::fromStdString(path), 1));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QFont font = reportFont(printer, reportLines(state));
    const double column =
        QFontMetrics(font, &printer).averageCharWidth() * 72.0 / printer.resolution();

    const std::vector<test::PdfPageWords> pages = test::pdfWords(path);
    ASSERT_EQ(pages.size(), 1u);
    const auto& words = pages[0].words;
    auto wordX = [&words](const std::string& text) {
        for (const test::PdfWord& w : words)
            if (w.text == text) return w.xMin;
        ADD_FAILURE() << "no word " << text;
        return 0.0;
    };
    const double title = wordX("圆形Pilaro结果");
    const double lineStart = wordX("混凝土标号=");
    EXPECT_NEAR(title - lineStart, column, 0.05);
    const double margin = lineStart - 4 * column;
    for (const char* runStart :
         {"混凝土弹性模量＝", "钢筋强度=", "钢筋弹性模量=", "弯矩Mj=", "D14=", "配筋率＝", "A="}) {
        const double zones = (wordX(runStart) - margin) / (kZoneColumns * column);
        EXPECT_NEAR(zones, std::round(zones), 0.01) << runStart;
        EXPECT_GE(std::round(zones), 1) << runStart;
    }
}

// Values far wider than usual make the report smaller instead of running
// off the right edge of the page.
TEST_F(ReportPrinter, WideValuesStayOnThePage) {
    CalcState state = designRun();
    state.lastInput.Ra = -123456789012345.0;
    state.lastInput.Eh = -1.23456789012345e-100;
    state.lastInput.Rg = -987654321098765.0;
    state.lastInput.Eg = -9.87654321098765e+200;
    const std::string path = pdf("wide.pdf");
    printReport(state, nullptr, printToFile(QString::fromStdString(path), 1));
    EXPECT_EQ(pdfLinesWithoutBlanks(path), expectedText(state, 1));
    const std::vector<test::PdfPageWords> pages = test::pdfWords(path);
    ASSERT_EQ(pages.size(), 1u);
    for (const test::PdfWord& w : pages[0].words) EXPECT_LE(w.xMax, pages[0].width) << w.text;
}

}  // namespace
}  // namespace pilaro

int main(int argc, char** argv) {
    // Headless unless told otherwise, also when ctest lists the tests.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
