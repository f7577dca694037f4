// An .xlsx workbook opened in the page, read by the same rules as
// pilaro-batch reads it (table/workbook_parts.h, table/sheet_rows.h): the
// page's worker unzips the archive and parses each part's XML, and hands
// over the part's events as a text, each event one of
//   "\x01" name ("\x02" attribute "\x02" value)*   an element's start
//   "\x03" text                                     text, entities replaced
//   "\x04" name                                     an element's end
// (XML holds none of these characters). Which parts are read, and what
// their cells mean, is decided here.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "table/cell_row.h"
#include "table/xml_events.h"

namespace pilaro::web {

// Hands the events of `encoded` to `handler`.
void feedXmlEvents(std::string_view encoded, table::XmlHandler& handler);

// What a file's bytes are, as pilaro-batch decides: "text" or "workbook";
// "" when the file is refused, with why in `refusal` (in Chinese, naming
// the file `name`).
[[nodiscard]] std::string fileKind(std::string_view bytes, std::string_view name,
                                   std::string& refusal);

class PageWorkbook {
  public:
    // The first visible sheet of the workbook named `name`.
    explicit PageWorkbook(std::string name);
    ~PageWorkbook();
    PageWorkbook(const PageWorkbook&) = delete;
    PageWorkbook& operator=(const PageWorkbook&) = delete;

    // The part whose events are wanted next; empty once the sheet is read,
    // or refused.
    [[nodiscard]] std::string wanted() const;
    // The events of the part wanted, or `found` false when the archive
    // lacks it.
    void read(std::string_view events, bool found);

    // Why the workbook cannot be read (in Chinese); empty when it can.
    [[nodiscard]] const std::string& refusal() const { return refusal_; }
    // The sheet's records, once read.
    [[nodiscard]] std::vector<table::CellRow> takeRecords();

  private:
    struct Reading;
    std::unique_ptr<Reading> reading_;
    std::string refusal_;
};

}  // namespace pilaro::web
