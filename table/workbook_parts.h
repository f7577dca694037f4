// The parts of an .xlsx workbook that tell how to read one of its sheets:
// where the workbook and its sheets are (the package's and the workbook's
// relationships), which sheet is read (the first visible one, or the one
// asked for by name), which cell styles show dates, and the shared
// strings. Whatever reads the zip archive and parses the XML asks for the
// parts in turn and hands over their events; pilaro-batch and the page
// read a workbook alike.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "messages/wording.h"
#include "table/xml_events.h"

namespace pilaro::table {

// What a sheet's cells need: the shared strings and the cell styles (their
// indexes) whose number format shows a date or a time.
struct SheetContext {
    std::vector<std::string> sharedStrings;
    std::set<std::size_t> dateStyles;
    messages::Message file;         // as messages name the workbook
    std::string sharedStringsPart;  // as the workbook names it
};

// Whether a number format shows a date or a time: a built-in one of dates
// and times (14–22, 27–36, 45–47, 50–58), or a code with y, m, d, h or s
// outside its quoted texts, escapes and brackets ([h] and the like count).
[[nodiscard]] bool isDateFormat(std::size_t builtInId, std::string_view code);

class WorkbookParts {
  public:
    // `sheet`: the sheet's name, or empty for the first visible sheet.
    // `file`: the workbook as messages name it.
    WorkbookParts(std::string sheet, messages::Message file);
    ~WorkbookParts();
    WorkbookParts(const WorkbookParts&) = delete;
    WorkbookParts& operator=(const WorkbookParts&) = delete;

    // The part whose events are wanted next ("xl/workbook.xml"); empty once
    // the sheet's own part is known.
    [[nodiscard]] const std::string& wanted() const { return wanted_; }
    // Takes the events of the part wanted.
    [[nodiscard]] XmlHandler& handler();
    // After its events, or `found` false when the archive lacks the part.
    // When the workbook cannot be read (a part it needs is missing, it has
    // no such sheet, or none visible), nothing more is wanted and error()
    // says why. (The browser edition catches no exceptions.)
    void done(bool found);
    [[nodiscard]] const messages::Message& error() const { return error_; }

    // Once nothing is wanted: the sheet's part ("xl/worksheets/sheet1.xml")
    // and what its cells need.
    [[nodiscard]] const std::string& sheetPart() const { return sheetPart_; }
    [[nodiscard]] SheetContext takeContext();

  private:
    struct Reading;
    bool choose();
    void fail(messages::Message why);

    std::string sheetAsked_;
    std::string wanted_;
    std::string sheetPart_;
    std::unique_ptr<Reading> reading_;
    SheetContext context_;
    messages::Message error_;
};

// The message for a workbook that cannot be read, with what is wrong.
[[nodiscard]] messages::Message workbookUnreadable(const messages::Message& file,
                                                   const messages::Message& what);

}  // namespace pilaro::table
