#include <stdexcept>

#include "batch/cell_values.h"
#include "batch/row_writer.h"

namespace pilaro::batch {

namespace {

// A cell that a spreadsheet would take for a formula ("=HYPERLINK(…)")
// is written with a leading apostrophe, as spreadsheets mark text; numbers
// such as -5 stay numbers.
std::string echoed(const std::string& cell) {
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell[0]) == std::string_view::npos)
        return cell;
    if (readNumber(cell).problem == NumberProblem::None) return cell;
    return "'" + cell;
}

class CsvWriter : public RowWriter {
  public:
    explicit CsvWriter(std::FILE* out) : out_(out) {
        line_ = "\xEF\xBB\xBF";
        for (std::string_view name : outputColumnNames()) add(name);
        put();
    }

    void write(const RowOutcome& o) override {
        for (const std::string& cell : o.row.cells) add(echoed(cell));
        add(std::to_string(o.row.line));
        add(o.status);
        add(o.message);
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
        const bool quote = cell.find_first_of(",\"\r\n") != std::string_view::npos ||
                           (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
        if (!quote) {
            line_ += cell;
            return;
        }
        line_ += '"';
        for (char c : cell) {
            if (c == '"') line_ += '"';
            line_ += c;
        }
        line_ += '"';
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

}  // namespace pilaro::batch
