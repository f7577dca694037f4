#include <stdexcept>

#include "table/csv_cell.h"
#include "table/row_writer.h"

namespace pilaro::table {

namespace {

class CsvWriter : public RowWriter {
  public:
    explicit CsvWriter(std::FILE* out) : out_(out) {
        put(kUtf8ByteOrderMark);
        for (std::string_view name : outputColumnNames()) line_.add(name);
        put(line_.end());
    }

    void write(const RowOutcome& o) override {
        for (const std::string& cell : o.row.cells) line_.add(spreadsheetText(cell));
        line_.add(std::to_string(o.row.line));
        line_.add(o.status);
        line_.add(o.message);
        line_.add(o.statusText);
        for (const std::string& text : o.readOuts) line_.add(text);
        put(line_.end());
    }

    void finish() override {
        if (std::fflush(out_) != 0 || std::ferror(out_))
            throw std::runtime_error("the output cannot be written");
    }

  private:
    void put(std::string_view bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size())
            throw std::runtime_error("the output cannot be written");
    }

    std::FILE* out_;
    CsvLine line_;
};

}  // namespace

std::unique_ptr<RowWriter> makeCsvWriter(std::FILE* out) {
    return std::make_unique<CsvWriter>(out);
}

}  // namespace pilaro::table
