// A workbook in the page, natively: the parts the module asks for in turn,
// their events as the page's worker hands them over, and the sheet's
// records as pilaro-batch reads them; a workbook that cannot be read is
// refused with pilaro-batch's message.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "web/page_workbook.h"

namespace pilaro::web {
namespace {

// Events as the worker encodes them: start, attribute, text, end.
std::string start(const std::string& name, const std::vector<std::string>& attributes = {}) {
    std::string event = "\x01" + name;
    for (const std::string& a : attributes) event += "\x02" + a;
    return event;
}
std::string text(const std::string& t) {
    return "\x03" + t;
}
std::string end(const std::string& name) {
    return "\x04" + name;
}

const std::string kRelation =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::map<std::string, std::string> workbookParts() {
    return {
        {"_rels/.rels",
         start("Relationships") +
             start("Relationship", {"Id", "rId1", "Type", kRelation + "officeDocument", "Target",
                                    "xl/workbook.xml"}) +
             end("Relationship") + end("Relationships")},
        {"xl/workbook.xml",
         start("workbook") + start("sheets") +
             start("sheet", {"name", "隐藏", "r:id", "rId9", "state", "hidden"}) + end("sheet") +
             start("sheet", {"name", "荷载", "r:id", "rId1"}) + end("sheet") + end("sheets") +
             end("workbook")},
        {"xl/_rels/workbook.xml.rels",
         start("Relationships") +
             start("Relationship", {"Id", "rId1", "Type", kRelation + "worksheet", "Target",
                                    "worksheets/sheet1.xml"}) +
             end("Relationship") +
             start("Relationship", {"Id", "rId2", "Type", kRelation + "sharedStrings", "Target",
                                    "/xl/sharedStrings.xml"}) +
             end("Relationship") +
             start("Relationship",
                   {"Id", "rId3", "Type", kRelation + "styles", "Target", "styles.xml"}) +
             end("Relationship") + end("Relationships")},
        {"xl/styles.xml", start("styleSheet") + start("cellXfs") + start("xf", {"numFmtId", "0"}) +
                              end("xf") + start("xf", {"numFmtId", "14"}) + end("xf") +
                              end("cellXfs") + end("styleSheet")},
        {"xl/sharedStrings.xml", start("sst") + start("si") + start("t") + text("配筋") +
                                     text("计算") + end("t") + end("si") + end("sst")},
        {"xl/worksheets/sheet1.xml",
         start("worksheet") + start("sheetData") + start("row", {"r", "2"}) +
             start("c", {"r", "A2", "t", "s"}) + start("v") + text("0") + end("v") + end("c") +
             start("c", {"r", "B2"}) + start("v") + text("0.050000000000000003") + end("v") +
             end("c") + start("c", {"r", "C2", "s", "1"}) + start("v") + text("45356") + end("v") +
             end("c") + end("row") + end("sheetData") + end("worksheet")},
    };
}

TEST(PageWorkbook, ReadsThePartsItAsksForAsPilaroBatchReadsThem) {
    const std::map<std::string, std::string> parts = workbookParts();
    PageWorkbook book("book.xlsx");
    std::vector<std::string> asked;
    for (std::string part = book.wanted(); !part.empty(); part = book.wanted()) {
        asked.push_back(part);
        const auto found = parts.find(part);
        book.read(found == parts.end() ? "" : found->second, found != parts.end());
    }
    EXPECT_EQ(book.refusal(), "");
    EXPECT_EQ(asked, (std::vector<std::string>{
                         "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                         "xl/styles.xml", "xl/sharedStrings.xml", "xl/worksheets/sheet1.xml"}));
    const std::vector<table::CellRow> records = book.takeRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].line, 2);
    EXPECT_EQ(records[0].cells, (std::vector<std::string>{"配筋计算", "0.05", "45356"}));
    ASSERT_EQ(records[0].problems.size(), 1u);
    EXPECT_EQ(records[0].problems[0].chinese,
              "单元格 C2 是日期，本程序不读取日期；请把该单元格设为“常规”格式后重新输入数值。");
}

TEST(PageWorkbook, RefusesWhatPilaroBatchRefuses) {
    const struct {
        std::string missing;
        const char* refusal;
    } cases[] = {
        {"xl/workbook.xml", "book.xlsx 是 zip 压缩文件，但不是 Excel 工作簿（.xlsx）"},
        {"xl/sharedStrings.xml", "无法读取工作簿 book.xlsx：其中的 xl/sharedStrings.xml 无法读取"},
        {"xl/worksheets/sheet1.xml",
         "无法读取工作簿 book.xlsx：其中的 xl/worksheets/sheet1.xml 无法读取"},
    };
    for (const auto& c : cases) {
        std::map<std::string, std::string> parts = workbookParts();
        parts.erase(c.missing);
        PageWorkbook book("book.xlsx");
        for (std::string part = book.wanted(); !part.empty(); part = book.wanted()) {
            const auto found = parts.find(part);
            book.read(found == parts.end() ? "" : found->second, found != parts.end());
        }
        EXPECT_TRUE(book.refusal().starts_with(c.refusal)) << book.refusal();
        EXPECT_TRUE(book.takeRecords().empty());
    }
    std::string refusal;
    EXPECT_EQ(fileKind(std::string("PK\x03\x04", 4), "book.xlsx", refusal), "workbook");
    EXPECT_EQ(fileKind("名称,类型\n", "t.csv", refusal), "text");
    EXPECT_EQ(fileKind(std::string("\x7F"
                                   "ELF\0\0\0\0",
                                   8),
                       "a.out", refusal),
              "");
    EXPECT_TRUE(refusal.starts_with("a.out 似乎是二进制文件，不是表格")) << refusal;
}

}  // namespace
}  // namespace pilaro::web
