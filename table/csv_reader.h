// The records of a CSV text, one at a time, as a spreadsheet saves them:
// quoted cells (with commas, quotes and line breaks inside), LF or CRLF
// line ends, and a UTF-8 byte-order mark at the start.
#pragma once

#include <cstdint>
#include <deque>
#include <istream>
#include <string>
#include <vector>

#include <csv.h>

namespace pilaro::table {

struct CsvRecord {
    long line = 0;  // the line the record starts on; the first line is 1
    std::vector<std::string> cells;
};

class CsvReader {
  public:
    explicit CsvReader(std::istream& in);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record that is not wholly blank; false at the end of the
    // text. Throws std::runtime_error when the text cannot be read or a
    // quoted cell is never closed.
    bool next(CsvRecord& record);

    std::uint64_t bytesRead() const { return bytesRead_; }

  private:
    static void endCell(void* text, std::size_t size, void* self);
    static void endRecord(int terminator, void* self);
    void feedLine();

    std::istream& in_;
    csv_parser parser_{};
    std::string line_;
    long lineNumber_ = 0;
    long recordStart_ = 0;
    bool recordOpen_ = false;   // a record goes on past the last line fed
    bool recordEnded_ = false;  // within the line being fed
    bool finished_ = false;
    std::uint64_t bytesRead_ = 0;
    std::size_t recordBytes_ = 0;
    CsvRecord building_;
    std::deque<CsvRecord> ready_;
};

}  // namespace pilaro::table
