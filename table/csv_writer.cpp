#include <stdexcept>

#include "messages/file_messages.h"
#include "table/csv_cell.h"
#include "table/output_cells.h"
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
        for (const OutputCell& cell : outputCells(o, layout_, messages_))
            line_.add(cell.guarded ? spreadsheetText(cell.text) : cell.text);
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
