// The workbook pilaro-batch writes (xlsx_writer.cpp, with libxlsxwriter),
// as the XML parts of an .xlsx package, for a front end that has a zip
// library but no spreadsheet one (the browser page): the same sheet of
// header rows and cells (sheet_cells.h), number formats, column widths,
// frozen header rows and filter. Rows are added as they are run; the parts
// are made whole at the end.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "table/row_outcome.h"
#include "table/row_writer.h"
#include "table/sheet_cells.h"

namespace pilaro::table {

struct WorkbookPart {
    std::string name;  // its path in the package: "xl/workbook.xml"
    std::string xml;   // UTF-8
};

class WorkbookXml {
  public:
    explicit WorkbookXml(const OutputLayout& layout = {});

    void add(const RowOutcome& outcome);

    // Every part of the package, in the order a zip archive holds them.
    [[nodiscard]] std::vector<WorkbookPart> parts() const;

  private:
    void addRow(const std::vector<SheetCell>& cells, bool bold);
    [[nodiscard]] std::size_t styleOf(const std::string& format);
    [[nodiscard]] std::string sheet() const;
    [[nodiscard]] std::string styles() const;
    [[nodiscard]] std::string workbook() const;
    [[nodiscard]] std::string filterRange(bool absolute) const;

    OutputLayout layout_;
    std::size_t columns_ = 0;
    std::size_t rows_ = 0;  // header rows included
    std::string sheetData_;
    std::vector<std::string> formats_;  // the number formats in the order first used
    SheetColumnWidths widths_;
};

}  // namespace pilaro::table
