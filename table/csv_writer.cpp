#include <stdexcept>

#include "messages/file_messages.h"
#include "table/csv_cell.h"
#include "table/row_writer.h"

namespace pilaro::table {

namespace {

class CsvWriter : public RowWriter {
  public:
    CsvWriter(std::FILE* out, MessageColumn messages, const OutputLayout& layout)
        : out_(out), messages_(messages), layout_(layout) {
        put(kUtf8ByteOrderMark);
        for (std::string_view name : outputColumnNames(layout_)) line_.add(name);
        put(line_.end());
    }

    void write(const RowOutcome& o) override {
        for (std::size_t i = 0; i < kArchivedColumnCount; ++i)
            line_.add(spreadsheetText(o.row.cells[i]));
        line_.add(std::to_string(o.row.line));
        line_.add(o.status);
        line_.add(messages_ == MessageColumn::Output ? o.message
                                                     : toldMessage(o, Language::Chinese));
        line_.add(o.statusText);
        // The archived read-outs as they always were; after them the γ0
        // cell as typed, which a spreadsheet must not take for a formula.
        const std::vector<std::string> results = resultCells(o, layout_);
        for (std::size_t i = 0; i < results.size(); ++i)
            line_.add(i < kReadOuts.size() ? results[i] : spreadsheetText(results[i]));
        put(line_.end());
    }

    void finish() override {
        if (std::fflush(out_) != 0 || std::ferror(out_))
            throw messages::fileError(messages::FileProblem::OutputNotWritten, {});
    }

  private:
    void put(std::string_view bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size())
            throw messages::fileError(messages::FileProblem::OutputNotWritten, {});
    }

    std::FILE* out_;
    MessageColumn messages_;
    OutputLayout layout_;
    CsvLine line_;
};

}  // namespace

std::unique_ptr<RowWriter> makeCsvWriter(std::FILE* out, MessageColumn messages,
                                         const OutputLayout& layout) {
    return std::make_unique<CsvWriter>(out, messages, layout);
}

}  // namespace pilaro::table
