// Under a decimal-comma locale, once Qt has started (it sets the C
// library's locale from the environment), the tables still read and the
// diagrams still write numbers with a period.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#include "diagram/diagram_axes.h"
#include "diagram/diagram_picture.h"
#include "engine/number_text.h"
#include "table/cell_values.h"
#include "table/io_writers.h"
#include "tests/batch/batch_process.h"

namespace pilaro {
namespace {

using diagram::Axis;
using diagram::roundAxis;
using diagram::tickText;
using namespace table;

class DecimalComma : public testing::Test {
  protected:
    void SetUp() override {
        static const diagram::PaintingApplication
            application;  // as pilaro-batch --diagram starts Qt
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        if (std::string(std::localeconv()->decimal_point) != ",")
            GTEST_SKIP() << "no locale de_DE.UTF-8 (.ci/deps generates it)";
    }
};

TEST_F(DecimalComma, NumberAndBarsCellsReadWithAPeriod) {
    const NumberCell cell = readNumber(" 147.792 ");
    EXPECT_EQ(cell.problem, NumberProblem::None);
    EXPECT_EQ(cell.value, 147.792);
    EXPECT_EQ(readNumber("147,792").problem, NumberProblem::NotANumber);
    EXPECT_EQ(readBars("24D28"), 147.792);  // 24 bars of 6.158 cm²
}

TEST_F(DecimalComma, TickLabelsAndFiguresWriteAPeriod) {
    const Axis axis = roundAxis(0, 0.8, 9);
    std::vector<std::string> labels;
    for (double tick : axis.ticks) labels.push_back(tickText(tick, axis.step));
    EXPECT_EQ(labels, (std::vector<std::string>{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6",
                                                "0.7", "0.8"}));
    EXPECT_EQ(tickText(-0.5, 0.5), "-0.5");
    EXPECT_EQ(numberToText(147.792), " 147.792");
    EXPECT_EQ(numberToText(1.5e-7), " 1.5E-07");
    EXPECT_EQ(fixedDecimalsText(0.8289, 3), "0.829");
}

TEST_F(DecimalComma, WorkbookNumbersKeepTheirPoint) {
    const test::ScratchFolder folder;
    RowOutcome row;
    row.row.cells[indexOf(Column::Nj)] = "147.792";
    row.readOuts[readOutIndex(ReadOutId::Rho)] = ".5";
    const std::unique_ptr<RowWriter> writer = makeXlsxWriter((folder.path() / "out.xlsx").string());
    writer->write(row);
    writer->finish();
    ASSERT_EQ(std::system(("cd " + folder.path().string() +
                           " && unzip -p out.xlsx xl/worksheets/sheet1.xml > sheet.xml")
                              .c_str()),
              0);
    const std::string sheet = folder.read("sheet.xml");
    for (const char* value : {"<v>147.792</v>", "<v>0.5</v>"})
        EXPECT_NE(sheet.find(value), std::string::npos) << value;
}

}  // namespace
}  // namespace pilaro
