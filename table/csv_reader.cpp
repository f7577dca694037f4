#include "table/csv_reader.h"

#include <csv.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "messages/table_messages.h"
#include "table/separator.h"

namespace pilaro::table {

using messages::MessageError;
using messages::tableError;
using messages::TableProblem;

namespace {

// A record this long is no load case but a quote that was never closed.
constexpr std::size_t kLongestRecord = std::size_t{1} << 20;

// Room for the cells of a typical load case, so that a record is read
// without growing.
constexpr std::size_t kCellsOfARecord = 16;

}  // namespace

struct CsvReader::Parser {
    Parser(std::istream& in, char separator) : in_(in) {
        if (csv_init(&parser_, 0) != 0) throw tableError(TableProblem::OutOfMemory, {});
        if (separator != 0) useSeparator(separator);
    }
    ~Parser() { csv_free(&parser_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    void useSeparator(char separator);
    static void endCell(void* text, std::size_t size, void* self);
    static void endRecord(int terminator, void* self);
    void feedLine();

    std::istream& in_;
    csv_parser parser_{};
    std::string line_;
    long lineNumber_ = 0;
    long recordStart_ = 0;
    bool recordOpen_ = false;   // a record goes on past the last line fed
    bool recordEnded_ = false;  // within the line being fed
    bool finished_ = false;
    std::uint64_t bytesRead_ = 0;
    char separator_ = 0;
    std::size_t recordBytes_ = 0;
    CellRow building_;
    std::deque<CellRow> ready_;
};

namespace {

// Blanks around a cell are no part of it (the parser's own blanks, spaces
// and tabs, where no function is set), but a tab that separates cells is
// no blank.
int isSpace(unsigned char c) {
    return c == CSV_SPACE;
}

}  // namespace

void CsvReader::Parser::useSeparator(char separator) {
    separator_ = separator;
    csv_set_delim(&parser_, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser_, separator == '\t' ? isSpace : nullptr);
}

void CsvReader::Parser::endCell(void* text, std::size_t size, void* self) {
    auto& reader = *static_cast<Parser*>(self);
    std::vector<std::string>& cells = reader.building_.cells;
    if (cells.empty()) cells.reserve(kCellsOfARecord);
    cells.emplace_back(static_cast<const char*>(text), size);
}

void CsvReader::Parser::endRecord(int, void* self) {
    auto& reader = *static_cast<Parser*>(self);
    reader.building_.line = reader.recordStart_;
    if (!isBlankRecord(reader.building_.cells))
        reader.ready_.push_back(std::move(reader.building_));
    reader.building_ = CellRow{};
    reader.recordEnded_ = true;
}

// Feeds one line, so that each record knows the line it starts on even
// when a quoted cell holds line breaks.
void CsvReader::Parser::feedLine() {
    if (!std::getline(in_, line_)) {
        if (in_.bad()) throw tableError(TableProblem::InputUnreadable, {});
        finished_ = true;
        // Every line was fed with its line break, so only a quoted cell
        // can keep a record open here.
        if (recordOpen_) throw MessageError(unclosedQuoteMessage(recordStart_));
        csv_fini(&parser_, endCell, endRecord, this);
        return;
    }
    ++lineNumber_;
    bytesRead_ += line_.size() + 1;
    if (lineNumber_ == 1 && line_.starts_with("\xEF\xBB\xBF")) line_.erase(0, 3);
    // Lines before the first that shows a separator hold one cell each,
    // whichever it is.
    if (separator_ == 0 && showsSeparator(line_)) useSeparator(separatorOf(line_));
    line_ += '\n';
    if (!recordOpen_) {
        recordStart_ = lineNumber_;
        recordBytes_ = 0;
    }
    recordBytes_ += line_.size();
    if (recordBytes_ > kLongestRecord)
        throw tableError(TableProblem::RecordTooLong, {std::to_string(recordStart_)});
    recordEnded_ = false;
    if (csv_parse(&parser_, line_.data(), line_.size(), endCell, endRecord, this) != line_.size())
        throw tableError(TableProblem::UnreadableRecord,
                         {std::to_string(lineNumber_), csv_strerror(csv_error(&parser_))});
    // A line that ends no record and holds more than its line break opens
    // one: a quoted cell goes on to the next line.
    const bool blankLine = line_.find_first_not_of(" \t\r\n") == std::string::npos;
    if (recordEnded_)
        recordOpen_ = false;
    else if (!blankLine)
        recordOpen_ = true;
}

CsvReader::CsvReader(std::istream& in, char separator)
    : parser_(std::make_unique<Parser>(in, separator)) {}

CsvReader::~CsvReader() = default;

std::uint64_t CsvReader::bytesRead() const {
    return parser_->bytesRead_;
}

bool CsvReader::next(CellRow& record) {
    Parser& p = *parser_;
    while (p.ready_.empty() && !p.finished_) p.feedLine();
    if (p.ready_.empty()) return false;
    record = std::move(p.ready_.front());
    p.ready_.pop_front();
    return true;
}

}  // namespace pilaro::table
