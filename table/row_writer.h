// Writers of the output table, one per format. Each writes one row per
// input row: the input cells, the row's line, its status and message, its
// status in Chinese, and the read-outs, under the same column names.
#pragma once

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "table/columns.h"
#include "table/row_outcome.h"

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

class RowWriter {
  public:
    virtual ~RowWriter() = default;
    // Throws WriteFailure when the output cannot be written.
    virtual void write(const RowOutcome& outcome) = 0;
    // Writes what is still held back; throws as write does.
    virtual void finish() = 0;
};

// The output's column names in order: the input columns, the table's other
// columns under their own headings (`others`, ColumnMap::otherHeadings),
// "row", "status", "message", "statusText", then the read-outs.
std::vector<std::string> outputColumnNames(const std::vector<std::string>& others = {});

// The same columns in Chinese with their units ("轴向力（kN）"), for a
// second header row; the other columns under their own headings.
std::vector<std::string> outputColumnNamesChinese(const std::vector<std::string>& others = {});

// What the message column holds: the output's (RowOutcome::message), or
// what the user is told in Chinese (toldMessage), as a screen shows it.
enum class MessageColumn { Output, ToldInChinese };

// UTF-8 with a byte-order mark, CRLF line ends; `others` as
// outputColumnNames takes them.
std::unique_ptr<RowWriter> makeCsvWriter(std::FILE* out,
                                         MessageColumn messages = MessageColumn::Output,
                                         const std::vector<std::string>& others = {});

// Writes all of `bytes`, or flushes what the stream holds; each throws
// WriteFailure with the system's reason when it cannot.
void writeOrThrow(std::FILE* out, std::string_view bytes);
void flushOrThrow(std::FILE* out);

}  // namespace pilaro::table
