// The records of one sheet of an .xlsx workbook, as its CSV twin gives
// them (table/sheet_rows.h), read with minizip and expat: the first
// visible sheet, or the one named. The sheet is read as its rows are
// taken, so that a long sheet is never held whole.
#pragma once

#include <memory>
#include <string>

#include "messages/wording.h"
#include "table/record_source.h"

namespace pilaro::table {

class XlsxReader : public RecordSource {
  public:
    // From the file at `path` (standard input is kept in a file first).
    // `sheet` empty: the first visible
    // sheet. `file` names the workbook in messages. Throws
    // messages::MessageError when the workbook cannot be read or has no
    // such sheet.
    XlsxReader(const std::string& path, const std::string& sheet, messages::Message file);
    ~XlsxReader() override;
    XlsxReader(const XlsxReader&) = delete;
    XlsxReader& operator=(const XlsxReader&) = delete;

    bool next(CellRow& record) override;
    // The sheet's XML read so far, and its whole length, in bytes.
    [[nodiscard]] std::uint64_t bytesRead() const override;
    [[nodiscard]] std::uint64_t sheetSize() const;

  private:
    struct Archive;
    std::unique_ptr<Archive> archive_;
};

}  // namespace pilaro::table
