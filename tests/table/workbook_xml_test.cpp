// The workbook's parts as the page zips them: the sheet's cells where a
// spreadsheet finds them (columns past Z included), texts escaped and their
// blanks kept, numbers as libxlsxwriter writes them, each number format
// once in the order first used, the frozen header rows and the filter over
// every row; and the parts, zipped, read back whole.
#include <gtest/gtest.h>
#include <zip.h>

#include <sstream>
#include <string>
#include <vector>

#include "table/columns.h"
#include "table/csv_reader.h"
#include "table/row_input.h"
#include "table/row_outcome.h"
#include "table/workbook_check.h"
#include "table/workbook_xml.h"
#include "tests/support/scratch_folder.h"

namespace pilaro::table {
namespace {

const std::string kHeader =
    "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋";

// The parts of the workbook of a table's rows, by name.
std::vector<WorkbookPart> partsOf(const std::string& csv) {
    std::istringstream in(csv);
    CsvReader reader(in);
    CellRow record;
    reader.next(record);
    messages::Message refusal;
    const ColumnMap columns = *readHeader(record.cells, refusal);
    std::vector<RowOutcome> outcomes;
    bool currentCode = false;
    while (reader.next(record)) {
        outcomes.push_back(runRow(readRow(record, columns, {})));
        currentCode = currentCode || outcomes.back().isCurrentCode();
    }
    WorkbookXml workbook(outputLayout(columns, currentCode));
    for (const RowOutcome& o : outcomes) workbook.add(o);
    return workbook.parts();
}

std::string part(const std::vector<WorkbookPart>& parts, const std::string& name) {
    for (const WorkbookPart& p : parts)
        if (p.name == name) return p.xml;
    ADD_FAILURE() << "no part " << name;
    return {};
}

TEST(WorkbookXml, WritesTheSheetAsPilaroBatchsWorkbookHasIt) {
    const struct {
        const char* what;
        std::string rows;
        std::string part;
        std::vector<std::string> holds;
    } cases[] = {
        {"no rows: the filter over the Chinese header row alone",
         "",
         "xl/worksheets/sheet1.xml",
         {"<dimension ref=\"A1:AL2\"/>", "<autoFilter ref=\"A2:AL2\"/>",
          "<pane ySplit=\"2\" topLeftCell=\"A3\" activePane=\"bottomLeft\" state=\"frozen\"/>",
          "<c r=\"A1\" s=\"1\" t=\"inlineStr\"><is><t>name</t></is></c>",
          "<c r=\"A2\" s=\"1\" t=\"inlineStr\"><is><t>名称</t></is></c>"}},
        {"the filter's range as the workbook names it",
         "a,P1,design,25,2,5000,3000,1.2,0.05,10,,\n",
         "xl/workbook.xml",
         {"<definedName name=\"_xlnm._FilterDatabase\" localSheetId=\"0\" "
          "hidden=\"1\">pilaro!$A$2:$AL$3</definedName>",
          "<sheet name=\"pilaro\" sheetId=\"1\" r:id=\"rId1\"/>"}},
        {"markup and quotes escaped, a blank at a text's end kept",
         "\"<b>&\"\"x\"\" \",P1,design,25,2,5000,3000,1.2,0.05,10,,\n",
         "xl/worksheets/sheet1.xml",
         {"<c r=\"A3\" t=\"inlineStr\"><is><t xml:space=\"preserve\">&lt;b&gt;&amp;\"x\" "
          "</t></is></c>"}},
        // 5000 and 1.2 as typed, 1E3 as the number it is; the row's line;
        // the read-outs in the format of their text, styles numbered as
        // first used: ξ .5167 (#.0000), A 1.22629 (#.00000), ρ .0183
        // (#.0000 again), 207.021 cm² (#.000), 183 bars (0).
        {"numbers as numbers, in their formats",
         "a,P1,design,25,2,5000,3000,1.2,0.05,1E3,,\n"
         "b,P1,design,25,2,5000,3000,1.2,0.05,10,,\n",
         "xl/worksheets/sheet1.xml",
         {"<c r=\"F3\"><v>5000</v></c>", "<c r=\"H3\"><v>1.2</v></c>",
          "<c r=\"J3\"><v>1000</v></c>", "<c r=\"M4\"><v>3</v></c>",
          "<c r=\"V4\" s=\"2\"><v>0.0183</v></c>", "<c r=\"W4\" s=\"4\"><v>207.021</v></c>",
          "<c r=\"X4\" s=\"5\"><v>183</v></c>"}},
        {"each format once, numbered from 164",
         "b,P1,design,25,2,5000,3000,1.2,0.05,10,,\n"
         "c,P1,design,25,2,5000,3000,1.2,0.05,10,,\n",
         "xl/styles.xml",
         {"<numFmts count=\"4\"><numFmt numFmtId=\"164\" formatCode=\"#.0000\"/><numFmt "
          "numFmtId=\"165\" formatCode=\"#.00000\"/><numFmt numFmtId=\"166\" "
          "formatCode=\"#.000\"/><numFmt numFmtId=\"167\" formatCode=\"0\"/></numFmts>",
          "<cellXfs count=\"6\">",
          "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
          "applyFont=\"1\"/>"}},
        {"more digits than a double holds, as libxlsxwriter writes them",
         "a,P1,design,25,2,12345678901234567890,3000,1.2,0.05,10,,\n",
         "xl/worksheets/sheet1.xml",
         {"<c r=\"F3\"><v>1.234567890123457E+19</v></c>"}},
        {"the current code's columns run past Z",
         "a,P1,design,C30,HRB400,6200,1850,1.2,0.05,10,,\n",
         "xl/worksheets/sheet1.xml",
         {"<dimension ref=\"A1:AX3\"/>", "<autoFilter ref=\"A2:AX3\"/>",
          "<c r=\"AM1\" s=\"1\" t=\"inlineStr\"><is><t>gamma0</t></is></c>",
          "<c r=\"AX1\" s=\"1\" t=\"inlineStr\"><is><t>D40</t></is></c>"}},
    };
    for (const auto& c : cases) {
        const std::string xml = part(partsOf(kHeader + "\n" + c.rows), c.part);
        for (const std::string& held : c.holds)
            EXPECT_NE(xml.find(held), std::string::npos) << c.what << ": " << held << "\n" << xml;
    }
}

TEST(WorkbookXml, ZippedPartsReadBackWhole) {
    const std::vector<WorkbookPart> parts =
        partsOf(kHeader +
                "\na,P1,design,25,2,5000,3000,1.2,0.05,10,,\n"
                "b,P1,check,25,2,5000,3000,1.2,0.05,10,,24D28\n");
    std::vector<std::string> names;
    for (const WorkbookPart& p : parts) names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels",
                                               "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                                               "xl/styles.xml", "xl/worksheets/sheet1.xml"}));
    const test::ScratchFolder folder;
    const std::string path = folder.path() / "book.xlsx";
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const WorkbookPart& p : parts) {
        ASSERT_EQ(zipOpenNewFileInZip(zip, p.name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, Z_DEFAULT_COMPRESSION),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, p.xml.data(), static_cast<unsigned>(p.xml.size())),
                  ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
    // Two header rows and the two rows.
    EXPECT_EQ(workbookFault(path, 4), std::nullopt);
}

}  // namespace
}  // namespace pilaro::table
