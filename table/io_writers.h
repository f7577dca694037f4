// The writers of the output table that need libraries (pilaro_table_io):
// JSON Lines with nlohmann-json and .xlsx workbooks with libxlsxwriter.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "table/columns.h"
#include "table/row_writer.h"
#include "table/sheet_cells.h"

namespace pilaro::table {

// JSON Lines (.jsonl: one object per line), or one JSON document (.json:
// an array of the same objects, one a line).
enum class JsonForm { Lines, Array };

// Each row an object: its line, its input cells (`columns` says which the
// file had; the other columns under their headings), its status and
// message, its errors as a list, and its read-outs: the archived method's
// under their names, or the current code's with "method": "JTG 3362-2018"
// first.
std::unique_ptr<RowWriter> makeJsonWriter(std::FILE* out, const ColumnMap& columns,
                                          JsonForm form = JsonForm::Lines);

// An .xlsx workbook at `path`, written when finish() returns. A load case
// past `mostLoadCases` (a sheet's, or fewer) throws messages::MessageError.
std::unique_ptr<RowWriter> makeXlsxWriter(const std::string& path, const OutputLayout& layout = {},
                                          std::size_t mostLoadCases = kMostSheetLoadCases);

}  // namespace pilaro::table
