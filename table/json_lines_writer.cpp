#include <nlohmann/json.hpp>

#include "table/io_writers.h"

namespace pilaro::table {

namespace {

class JsonWriter : public RowWriter {
  public:
    JsonWriter(std::FILE* out, const ColumnMap& columns, JsonForm form)
        : out_(out), columns_(columns), form_(form) {
        // A heading the table names twice keeps its later cells under the
        // heading with the column's number.
        for (const OtherColumn& other : columns_.others) {
            std::string key = other.heading;
            for (const std::string& taken : otherKeys_)
                if (taken == key) key += " (" + std::to_string(other.position + 1) + ")";
            otherKeys_.push_back(std::move(key));
        }
        if (form_ == JsonForm::Array) writeOrThrow(out_, "[");
    }

    FormattedRow format(const RowOutcome& o) const override {
        nlohmann::ordered_json input = nlohmann::ordered_json::object();
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            // The file's columns, and the steel that --provide put in.
            if (columns_.position[i] || !o.row.cells[i].empty())
                input[std::string(columnNames()[i].english)] = o.row.cells[i];
        }
        for (std::size_t i = 0; i < otherKeys_.size() && i < o.row.otherCells.size(); ++i)
            input[otherKeys_[i]] = o.row.otherCells[i];
        nlohmann::ordered_json errors = nlohmann::ordered_json::array();
        for (const RowError& error : o.row.errors) errors.push_back(error.output.english);
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
                                       {"statusText", o.statusText}, {"errors", std::move(errors)},
                                       {"result", std::move(result)}};
        // A cell that is not UTF-8 is shown with replacement characters.
        FormattedRow row;
        row.text = line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        return row;
    }

    void writeFormatted(FormattedRow&& row) override {
        if (form_ == JsonForm::Lines) {
            row.text += '\n';
        } else {
            row.text.insert(0, rows_ == 0 ? "\n" : ",\n");
        }
        ++rows_;
        writeOrThrow(out_, row.text);
    }

    void finish() override {
        if (form_ == JsonForm::Array) writeOrThrow(out_, rows_ == 0 ? "]\n" : "\n]\n");
        flushOrThrow(out_);
    }

  private:
    std::FILE* out_;
    ColumnMap columns_;
    JsonForm form_;
    std::vector<std::string> otherKeys_;
    long rows_ = 0;
};

}  // namespace

std::unique_ptr<RowWriter> makeJsonWriter(std::FILE* out, const ColumnMap& columns, JsonForm form) {
    return std::make_unique<JsonWriter>(out, columns, form);
}

}  // namespace pilaro::table
