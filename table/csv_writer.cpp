#include <cerrno>

#include "messages/file_messages.h"

#include "table/csv_cell.h"
#include "table/output_cells.h"
#include "table/row_writer.h"

namespace pilaro::table {

namespace {

// Room for a typical output line, so that one is built without growing.
constexpr std::size_t kLineBytes = 512;

class CsvWriter : public RowWriter {
  public:
    CsvWriter(std::FILE* out, MessageColumn messages, const OutputLayout& layout)
        : out_(out), messages_(messages), layout_(layout) {
        put(kUtf8ByteOrderMark);
        CsvLine header;
        for (const std::string& name : outputColumnNames(layout_))
            header.add(spreadsheetText(name));
        put(header.end());
    }

    FormattedRow format(const RowOutcome& o) const override {
        FormattedRow row;
        row.text.reserve(kLineBytes);
        bool first = true;
        forEachOutputCell(o, layout_, messages_, [&](std::string_view text, bool guarded) {
            if (!first) row.text += ',';
            first = false;
            if (guarded && takenForFormula(text))
                appendCsvField(row.text, spreadsheetText(text));
            else
                appendCsvField(row.text, text);
        });
        row.text += "\r\n";
        return row;
    }

    void writeFormatted(FormattedRow&& row) override { put(row.text); }

    void finish() override { flushOrThrow(out_); }

  private:
    void put(std::string_view bytes) { writeOrThrow(out_, bytes); }

    std::FILE* out_;
    MessageColumn messages_;
    OutputLayout layout_;
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
