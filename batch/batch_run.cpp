#include "batch/batch_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "batch/diagram_files.h"
#include "batch/messages.h"
#include "batch/progress.h"
#include "batch/rows_in_order.h"
#include "table/csv_reader.h"
#include "table/io_writers.h"
#include "table/member_summary.h"
#include "table/output_file.h"
#include "table/row_writer.h"
#include "table/utf8.h"

namespace pilaro::batch {

using table::CellRow;
using table::Column;
using table::ColumnMap;
using table::CsvReader;
using table::isUtf8;
using table::makeCsvWriter;
using table::makeJsonLinesWriter;
using table::makeXlsxWriter;
using table::MemberSummaries;
using table::OutputFile;
using table::readHeader;
using table::RowOutcome;
using table::RowWriter;
using table::sameFile;

namespace {

std::uint64_t fileSize(const std::string& path) {
    struct stat info {};
    if (path == "-" || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

// The header, checked before anything is written.
ColumnMap readColumns(CsvReader& reader) {
    CellRow header;
    if (!reader.next(header)) throw std::runtime_error("the input has no header row");
    for (const std::string& cell : header.cells)
        if (!isUtf8(cell))
            throw std::runtime_error(
                "the header is not UTF-8 text; save the table as \"CSV UTF-8\"");
    std::string error;
    const std::optional<ColumnMap> columns = readHeader(header.cells, error);
    if (!columns) throw std::runtime_error(error);
    return *columns;
}

std::unique_ptr<RowWriter> makeWriter(const BatchOptions& options, const ColumnMap& columns,
                                      OutputFile* file) {
    std::FILE* stream = file ? file->stream() : stdout;
    switch (options.format) {
        case OutputFormat::Csv:
            return makeCsvWriter(stream);
        case OutputFormat::JsonLines:
            return makeJsonLinesWriter(stream, columns);
        case OutputFormat::Xlsx:
            file->closeStream();
            return makeXlsxWriter(file->temporaryPath());
    }
    return nullptr;
}

int tableRun(const BatchOptions& options, std::istream& in) {
    CsvReader reader(in);
    const ColumnMap columns = readColumns(reader);

    std::unique_ptr<OutputFile> file;
    if (!options.output.empty()) file = std::make_unique<OutputFile>(options.output);
    const std::unique_ptr<RowWriter> writer = makeWriter(options, columns, file.get());

    MemberSummaries summaries;
    const bool drawing = !options.diagramDirectory.empty();
    diagram::DiagramTable diagrams;
    Progress progress(isatty(STDERR_FILENO) == 1, fileSize(options.input));
    long rows = 0;
    bool allPass = true;
    runRowsInOrder(reader, columns, options.provided, options.jobs,
                   [&](const RowOutcome& outcome, std::uint64_t bytesRead) {
                       for (const std::string& error : outcome.row.errors) {
                           progress.finish();
                           say("row " + std::to_string(outcome.row.line) + ", " + error);
                       }
                       writer->write(outcome);
                       summaries.add(outcome);
                       if (drawing) diagrams.add(outcome);
                       allPass = allPass && outcome.hasResult && !outcome.failsCheck();
                       progress.update(++rows, bytesRead);
                   });
    writer->finish();
    if (file) file->commit();
    progress.finish();

    std::FILE* summaryOut = options.output.empty() ? stderr : stdout;
    summaries.print(summaryOut, columns.has(Column::Member),
                    options.provided ? options.provided->text : std::string());
    int status = allPass ? kExitAllPass : kExitSomeFailOrNoResult;
    if (drawing)
        status = std::max(
            status, writeDiagrams(diagrams, options, columns.has(Column::Member), summaryOut));
    std::fflush(summaryOut);
    return status;
}

}  // namespace

int runBatch(const BatchOptions& options) {
    try {
        // Renaming the output over the table being read would lose the table.
        if (options.input != "-" && !options.output.empty() &&
            sameFile(options.input, options.output))
            throw std::runtime_error("the output " + options.output + " is the input table");
        // A directory that cannot be made stops the run before anything is
        // written.
        if (!options.diagramDirectory.empty()) prepareDiagramDirectory(options.diagramDirectory);
        if (options.input == "-") return tableRun(options, std::cin);
        std::ifstream in(options.input, std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot read " + options.input + ": " + std::strerror(errno));
        return tableRun(options, in);
    } catch (const std::exception& e) {
        say(e.what());
        return kExitUsageOrFileError;
    }
}

}  // namespace pilaro::batch
