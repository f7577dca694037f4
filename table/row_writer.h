// Writers of the output table, one per format. Each writes one row per
// input row: the input cells, the row's line, its status and message, its
// status in Chinese, and the read-outs, under the same column names.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "table/columns.h"
#include "table/row_outcome.h"

namespace pilaro::table {

class RowWriter {
  public:
    virtual ~RowWriter() = default;
    // Throws std::runtime_error when the output cannot be written.
    virtual void write(const RowOutcome& outcome) = 0;
    // Writes what is still held back; throws as write does.
    virtual void finish() = 0;
};

// The output's column names in order: the input columns, "row", "status",
// "message", "statusText", then the read-outs.
std::vector<std::string_view> outputColumnNames();

// The same columns in Chinese with their units ("轴向力（kN）"), for a
// second header row.
std::vector<std::string> outputColumnNamesChinese();

// What the message column holds: the output's (RowOutcome::message), or
// what the user is told in Chinese (toldMessage), as a screen shows it.
enum class MessageColumn { Output, ToldInChinese };

// UTF-8 with a byte-order mark, CRLF line ends.
std::unique_ptr<RowWriter> makeCsvWriter(std::FILE* out,
                                         MessageColumn messages = MessageColumn::Output);

}  // namespace pilaro::table
