// The writers of the output table that need libraries (pilaro_table_io):
// JSON Lines with nlohmann-json and .xlsx workbooks with libxlsxwriter.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "table/columns.h"
#include "table/row_writer.h"

namespace pilaro::table {

// One JSON object per line; `columns` says which input cells the file had.
// A row's result has its method's read-outs: the archived method's under
// their names, or the current code's with "method": "JTG 3362-2018" first.
std::unique_ptr<RowWriter> makeJsonLinesWriter(std::FILE* out, const ColumnMap& columns);

// An .xlsx workbook at `path`, written when finish() returns.
std::unique_ptr<RowWriter> makeXlsxWriter(const std::string& path, const OutputLayout& layout = {});

}  // namespace pilaro::table
