#include <stdexcept>

#include "messages/file_messages.h"
#include "table/csv_cell.h"
#include "table/row_writer.h"

namespace pilaro::table {

namespace {

class CsvWriter : public RowWriter {
  public:
    CsvWriter(std::FILE* out, MessageColumn messages) : out_(out), messages_(messages) {
        put(kUtf8ByteOrderMark);
        for (std::string_view name : outputColumnNames()) line_.add(name);
        put(line_.end());
    }

    void write(const RowOutcome& o) override {
        for (const std::string& cell : o.row.cells) line_.add(spreadsheetText(cell));
        line_.add(std::to_string(o.row.line));
        line_.add(o.status);
        line_.add(messages_ == MessageColumn::Output ? o.message
                                                     : toldMessage(o, Language::Chinese));
        line_.add(o.statusText);
        for (const std::string& text : o.readOuts) line_.add(text);
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
    CsvLine line_;
};

}  // namespace

std::unique_ptr<RowWriter> makeCsvWriter(std::FILE* out, MessageColumn messages) {
    return std::make_unique<CsvWriter>(out, messages);
}

}  // namespace pilaro::table
