#include <cerrno>

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
        for (const std::string& name : outputColumnNames(layout_)) line_.add(spreadsheetText(name));
        put(line_.end());
    }

    void write(const RowOutcome& o) override {
        for (const OutputCell& cell : outputCells(o, layout_, messages_))
            line_.add(cell.guarded ? spreadsheetText(cell.text) : cell.text);
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
