// A workbook's sheet read as a CSV file of the same table reads: each row
// a record of text cells in their columns, its line the sheet's row
// number. A shared or inline string is its text; a number the shortest
// text that gives its value back (0.05, not 0.050000000000000003); a
// formula its saved result; TRUE and FALSE as the sheet shows them; an
// error value (#DIV/0!) as written. A date, or a formula without its
// result, is an error of its row that names the cell.
#pragma once

#include <deque>
#include <string>

#include "table/cell_row.h"
#include "table/workbook_parts.h"
#include "table/xml_events.h"

namespace pilaro::table {

// The text of a number as the sheet stores it ("5000", "1.2E-3"): the
// shortest that reads back as the same double; the text itself when it is
// no number.
[[nodiscard]] std::string shortestNumberText(std::string_view stored);

// "B3" for column 1 (from 0) of row 3.
[[nodiscard]] std::string cellReference(std::size_t column, long row);

class SheetRows : public XmlHandler {
  public:
    explicit SheetRows(SheetContext context);

    void start(std::string_view name, std::span<const XmlAttribute> attributes) override;
    void text(std::string_view text) override;
    void end(std::string_view name) override;

    // The next record read that is not wholly blank; false when none is
    // ready yet.
    bool take(CellRow& record);
    // Why the sheet cannot be read (a shared string it lacks); empty while
    // it can. (The browser edition catches no exceptions.)
    [[nodiscard]] const messages::Message& error() const { return error_; }

  private:
    void endCell();

    SheetContext context_;
    std::deque<CellRow> ready_;
    CellRow row_;
    bool inRow_ = false;
    long rowNumber_ = 0;
    // The cell being read.
    std::size_t column_ = 0, nextColumn_ = 0;
    std::string type_;
    std::size_t style_ = 0;
    std::string value_, inline_;
    bool hasValue_ = false, hasFormula_ = false;
    int inValue_ = 0, inInline_ = 0, inText_ = 0, inPhonetic_ = 0;
    bool inCell_ = false;
    messages::Message error_;
};

}  // namespace pilaro::table
