// The diagram files of a run: DIR/<member>.svg (or .png, .pdf) with
// DIR/<member>.csv beside it, one pair per diagram.
#pragma once

#include <cstdio>
#include <string>

#include "batch/options.h"
#include "diagram/diagram_contents.h"
#include "table/columns.h"

namespace pilaro::batch {

// Creates the directory (and those above it) when it is missing; throws
// std::runtime_error when it cannot, or when the path is no directory.
void prepareDiagramDirectory(const std::string& directory);

// Draws and writes every member's diagrams and names each file on
// `summary` (none when it is null). Problems go to standard error, naming
// the table's columns as `columns` found them. The exit status:
// kExitAllPass, kExitSomeNotRun when a member gets no diagram, or
// kExitUsageOrFileError when a file cannot be written.
[[nodiscard]] int writeDiagrams(const diagram::DiagramTable& table, const BatchOptions& options,
                                const table::ColumnMap& columns, std::FILE* summary);

}  // namespace pilaro::batch
