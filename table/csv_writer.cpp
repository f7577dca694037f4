#include <cerrno>

#include "messages/file_messages.h"

#include "table/csv_cell.h"
#include "table/row_writer.h"

namespace pilaro::table {

namespace {

class CsvWriter : public RowWriter {
  public:
    CsvWriter(std::FILE* out, MessageColumn messages, const std::vector<std::string>& others)
        : out_(out), messages_(messages) {
        put(kUtf8ByteOrderMark);
        for (const std::string& name : outputColumnNames(others)) line_.add(spreadsheetText(name));
        put(line_.end());
    }

    void write(const RowOutcome& o) override {
        for (const std::string& cell : o.row.cells) line_.add(spreadsheetText(cell));
        for (const std::string& cell : o.row.otherCells) line_.add(spreadsheetText(cell));
        line_.add(std::to_string(o.row.line));
        line_.add(o.status);
        line_.add(messages_ == MessageColumn::Output ? o.message
                                                     : toldMessage(o, Language::Chinese));
        line_.add(o.statusText);
        for (const std::string& text : o.readOuts) line_.add(text);
        put(line_.end());
    }

    void finish() override { flushOrThrow(out_); }

  private:
    void put(std::string_view bytes) { writeOrThrow(out_, bytes); }

    std::FILE* out_;
    MessageColumn messages_;
    CsvLine line_;
};

}  // namespace

std::unique_ptr<RowWriter> makeCsvWriter(std::FILE* out, MessageColumn messages,
                                         const std::vector<std::string>& others) {
    return std::make_unique<CsvWriter>(out, messages, others);
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
