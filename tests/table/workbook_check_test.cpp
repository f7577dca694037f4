// A written workbook read back: whole parts and whole rows pass, and a part
// or a sheet cut short is told, as a full disk leaves them.
#include <gtest/gtest.h>
#include <zip.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "table/io_writers.h"
#include "table/workbook_check.h"
#include "tests/support/scratch_folder.h"

namespace pilaro::test {
namespace {

using Parts = std::vector<std::pair<std::string, std::string>>;

void writeZip(const std::string& path, const Parts& parts) {
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, text] : parts) {
        ASSERT_EQ(zipOpenNewFileInZip(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, Z_DEFAULT_COMPRESSION),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, text.data(), static_cast<unsigned>(text.size())),
                  ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

const std::string kDeclaration = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                                 "\n";
const std::string kTypes = kDeclaration + "<Types><Default Extension=\"xml\"/></Types>";
const std::string kRows = R"(<row r="1"><c r="A1"><v>1</v></c></row><row r="2"><c r="A2"/></row>)";

std::string sheet(const std::string& rows) {
    return kDeclaration + "<worksheet><sheetData>" + rows +
           "</sheetData><pageMargins/></worksheet>";
}

// The fault as the English messages tell it.
std::optional<std::string> englishFault(const std::string& path, long rows) {
    const std::optional<messages::Message> fault = table::workbookFault(path, rows);
    return fault ? std::optional(fault->english) : std::nullopt;
}

TEST(WorkbookCheck, FindsPartsAndSheetsCutShort) {
    const struct {
        const char* what;
        Parts parts;
        long rows;
        std::optional<std::string> fault;
    } cases[] = {
        {"whole",
         {{"[Content_Types].xml", kTypes}, {"xl/worksheets/sheet1.xml", sheet(kRows)}},
         2,
         std::nullopt},
        {"a row missing",
         {{"xl/worksheets/sheet1.xml", sheet(kRows)}},
         3,
         "its sheet holds 2 whole rows of 3"},
        {"the last row cut short",
         {{"xl/worksheets/sheet1.xml", sheet(R"(<row r="1"><c r="A1"/></row><row r="2"><c r=)")}},
         2,
         "its sheet holds 1 whole rows of 2"},
        {"the sheet cut short",
         {{"xl/worksheets/sheet1.xml", sheet(kRows).substr(0, sheet(kRows).size() - 5)}},
         2,
         "its part xl/worksheets/sheet1.xml is cut short"},
        {"a part cut short",
         {{"_rels/.rels", kDeclaration + "<Relationships><Relationship Id=\"rId1\"/>"},
          {"xl/worksheets/sheet1.xml", sheet(kRows)}},
         2,
         "its part _rels/.rels is cut short"},
        {"no sheet", {{"[Content_Types].xml", kTypes}}, 0, "it has no sheet"},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        const std::string path = (folder.path() / "out.xlsx").string();
        writeZip(path, c.parts);
        EXPECT_EQ(englishFault(path, c.rows), c.fault) << c.what;
    }
    ScratchFolder folder;
    EXPECT_EQ(englishFault(folder.write("out.xlsx", kTypes).string(), 0), "it is no zip archive");
}

// The writer checks its own workbook when it finishes.
TEST(WorkbookCheck, PassesTheWorkbooksTheWriterMakes) {
    for (long rows : {0, 1, 3000}) {
        ScratchFolder folder;
        const std::string path = (folder.path() / "out.xlsx").string();
        const auto writer = table::makeXlsxWriter(path);
        table::RowOutcome outcome;
        outcome.status = "done";
        for (long row = 0; row < rows; ++row) {
            outcome.row.line = row + 2;
            outcome.row.cells[0] = "组合 " + std::to_string(row);
            writer->write(outcome);
        }
        EXPECT_NO_THROW(writer->finish()) << rows;
        EXPECT_EQ(englishFault(path, rows + 2), std::nullopt) << rows;  // two header rows
    }
}

}  // namespace
}  // namespace pilaro::test
