// Writers of the output table, one per format. Each writes one row per
// input row: the input cells, the row's line, its status and message, its
// status in Chinese, and the read-outs, under the same column names.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "jtg3362/read_outs.h"
#include "table/columns.h"
#include "table/row_outcome.h"
#include "table/sheet_cell.h"

namespace pilaro::table {

// The output cannot be written, for `reason`: the system's (磁盘已满（No
// space left on device）), or what is wrong with a workbook written. The
// caller names the output.
class WriteFailure : public std::runtime_error {
  public:
    explicit WriteFailure(messages::Message why)
        : std::runtime_error(why.english), reason(std::move(why)) {}
    messages::Message reason;
};

// One row's output made ready to be written: its text (CSV, JSON) or its
// cells (a workbook).
struct FormattedRow {
    std::string text;
    std::vector<SheetCell> cells;
};

class RowWriter {
  public:
    virtual ~RowWriter() = default;
    // The row's output, made without touching what the writer has written,
    // so that rows are formatted on several threads at once.
    [[nodiscard]] virtual FormattedRow format(const RowOutcome& outcome) const = 0;
    // Writes a formatted row after the rows written before it. Throws
    // WriteFailure when the output cannot be written.
    virtual void writeFormatted(FormattedRow&& row) = 0;
    // Writes what is still held back; throws as writeFormatted does.
    virtual void finish() = 0;

    void write(const RowOutcome& outcome) { writeFormatted(format(outcome)); }
};

// Which columns an output table has. The archived method's are always
// there, as they always were; the table's other columns (ColumnMap::others)
// follow its input columns, under their own headings; the current code's
// (γ0, the method and the read-outs the archived method lacks) follow the
// read-outs where the table has the γ0 column or a row of the current
// code. A read-out of the same name in both methods (verdict, rho,
// AgRequired, D12 … D36, rhoGiven) is one column, whichever method gave it.
struct OutputLayout {
    bool currentCode = false;
    std::vector<std::string> others = {};  // the other columns' headings, in order
};

// The layout of a table with these columns, some of whose rows may name
// the current code's grades (table/row_method.h: namesCurrentCode).
[[nodiscard]] OutputLayout outputLayout(const ColumnMap& columns, bool someRowIsCurrentCode);

// The output's column names in order: the archived method's input
// columns, the table's other columns, "row", "status", "message",
// "statusText", the archived method's read-outs, then the current code's
// columns.
std::vector<std::string> outputColumnNames(const OutputLayout& layout = {});

// The same columns in Chinese with their units ("轴向力（kN）"), for a
// second header row; the other columns under their own headings.
std::vector<std::string> outputColumnNamesChinese(const OutputLayout& layout = {});

// A row's cells after "statusText", in the order of outputColumnNames: the
// archived read-outs (kReadOuts), then in the current code's layout its γ0
// cell as typed, its method and its own read-outs.
std::vector<std::string> resultCells(const RowOutcome& outcome, const OutputLayout& layout);

// The same cells handed to `take` in order, each seen where the outcome
// holds it: how a line is written without copying them.
void forEachResultCell(const RowOutcome& outcome, const OutputLayout& layout,
                       const std::function<void(std::string_view text)>& take);

// The current code's read-outs that a table shows, in order, each under
// its name in kReadOuts (the keys of a JSON line's result after "method").
std::span<const jtg3362::ReadOut> currentTableReadOuts();

// What the message column holds: the output's (RowOutcome::message), or
// what the user is told in Chinese (toldMessage), as a screen shows it.
enum class MessageColumn { Output, ToldInChinese };

// UTF-8 with a byte-order mark, CRLF line ends.
std::unique_ptr<RowWriter> makeCsvWriter(std::FILE* out,
                                         MessageColumn messages = MessageColumn::Output,
                                         const OutputLayout& layout = {});

// Writes all of `bytes`, or flushes what the stream holds; each throws
// WriteFailure with the system's reason when it cannot.
void writeOrThrow(std::FILE* out, std::string_view bytes);
void flushOrThrow(std::FILE* out);

}  // namespace pilaro::table
