#include <cerrno>

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
        for (const std::string& name : outputColumnNames(layout_)) line_.add(spreadsheetText(name));
        put(line_.end());
    }

    void write(const RowOutcome& o) override {
        for (std::size_t i = 0; i < kArchivedColumnCount; ++i)
            line_.add(spreadsheetText(o.row.cells[i]));
        for (const std::string& cell : o.row.otherCells) line_.add(spreadsheetText(cell));
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

    void finish() override { flushOrThrow(out_); }

  private:
    void put(std::string_view bytes) { writeOrThrow(out_, bytes); }

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

void writeOrThrow(std::FILE* out, std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size())
        throw WriteFailure(messages::systemReason(errno));
}

void flushOrThrow(std::FILE* out) {
    if (std::fflush(out) != 0) throw WriteFailure(messages::systemReason(errno));
    if (std::ferror(out)) throw WriteFailure(messages::systemReason(EIO));
}

}  // namespace pilaro::table
