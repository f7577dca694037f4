#include <nlohmann/json.hpp>
#include <stdexcept>

#include "messages/file_messages.h"
#include "table/io_writers.h"

namespace pilaro::table {

namespace {

class JsonLinesWriter : public RowWriter {
  public:
    JsonLinesWriter(std::FILE* out, const ColumnMap& columns) : out_(out), columns_(columns) {}

    void write(const RowOutcome& o) override {
        nlohmann::ordered_json input = nlohmann::ordered_json::object();
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            // The file's columns, and the steel that --provide put in.
            if (columns_.position[i] || !o.row.cells[i].empty())
                input[std::string(columnNames()[i].english)] = o.row.cells[i];
        }
        nlohmann::ordered_json result = nlohmann::ordered_json::object();
        if (o.ranCurrentCode()) {
            result["method"] = kJtg3362MethodName;
            for (jtg3362::ReadOut id : currentTableReadOuts()) {
                const std::string& text = o.currentReadOut(id);
                if (!text.empty()) result[std::string(jtg3362::readOutEntry(id).name)] = text;
            }
        }
        for (const ReadOutEntry& readOut : kReadOuts) {
            const std::string& text = o.readOut(readOut.id);
            if (!text.empty()) result[std::string(readOut.name)] = text;
        }
        nlohmann::ordered_json line = {{"row", o.row.line},          {"input", std::move(input)},
                                       {"status", o.status},         {"message", o.message},
                                       {"statusText", o.statusText}, {"result", std::move(result)}};
        // A cell that is not UTF-8 is shown with replacement characters.
        std::string text = line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        text += '\n';
        if (std::fwrite(text.data(), 1, text.size(), out_) != text.size())
            throw messages::fileError(messages::FileProblem::OutputNotWritten, {});
    }

    void finish() override {
        if (std::fflush(out_) != 0 || std::ferror(out_))
            throw messages::fileError(messages::FileProblem::OutputNotWritten, {});
    }

  private:
    std::FILE* out_;
    ColumnMap columns_;
};

}  // namespace

std::unique_ptr<RowWriter> makeJsonLinesWriter(std::FILE* out, const ColumnMap& columns) {
    return std::make_unique<JsonLinesWriter>(out, columns);
}

}  // namespace pilaro::table
