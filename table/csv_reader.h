// The records of a CSV text, one at a time, as a spreadsheet saves them:
// quoted cells (with separators, quotes and line breaks inside), LF or CRLF
// line ends, and a UTF-8 byte-order mark at the start; cells separated by
// commas, semicolons or tabs (table/separator.h). Read with libcsv, which
// no header shows.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>

#include "table/cell_row.h"
#include "table/record_source.h"

namespace pilaro::table {

class CsvReader : public RecordSource {
  public:
    // `separator` 0: the one the first line holds (separatorOf).
    explicit CsvReader(std::istream& in, char separator = 0);
    ~CsvReader() override;
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record that is not wholly blank; false at the end of the
    // text. Throws messages::MessageError when the text cannot be read or a
    // quoted cell is never closed.
    bool next(CellRow& record) override;

    [[nodiscard]] std::uint64_t bytesRead() const override;

  private:
    struct Parser;
    std::unique_ptr<Parser> parser_;
};

}  // namespace pilaro::table
