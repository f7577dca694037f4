#include <stdexcept>

#include "table/csv_cell.h"
#include "table/row_writer.h"

namespace pilaro::table {

namespace {

class CsvWriter : public RowWriter {
  public:
    explicit CsvWriter(std::FILE* out) : out_(out) {
        line_ = "\xEF\xBB\xBF";
        for (std::string_view name : outputColumnNames()) add(name);
        put();
    }

    void write(const RowOutcome& o) override {
        for (const std::string& cell : o.row.cells) add(spreadsheetText(cell));
        add(std::to_string(o.row.line));
        add(o.status);
        add(o.message);
        add(o.statusText);
        for (const std::string& text : o.readOuts) add(text);
        put();
    }

    void finish() override {
        if (std::fflush(out_) != 0 || std::ferror(out_))
            throw std::runtime_error("the output cannot be written");
    }

  private:
    void add(std::string_view cell) {
        if (!first_) line_ += ',';
        first_ = false;
        line_ += csvField(cell);
    }

    void put() {
        line_ += "\r\n";
        if (std::fwrite(line_.data(), 1, line_.size(), out_) != line_.size())
            throw std::runtime_error("the output cannot be written");
        line_.clear();
        first_ = true;
    }

    std::FILE* out_;
    std::string line_;
    bool first_ = true;
};

}  // namespace

std::unique_ptr<RowWriter> makeCsvWriter(std::FILE* out) {
    return std::make_unique<CsvWriter>(out);
}

}  // namespace pilaro::table
