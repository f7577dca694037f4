#include "batch/batch_run.h"

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
#include "batch/layout_ahead.h"
#include "batch/messages.h"
#include "batch/progress.h"
#include "batch/rows_in_order.h"
#include "messages/batch_messages.h"
#include "messages/file_messages.h"
#include "messages/table_messages.h"
#include "table/cell_values.h"
#include "table/csv_reader.h"
#include "table/input_text.h"
#include "table/io_writers.h"
#include "table/member_summary.h"
#include "table/output_file.h"
#include "table/row_writer.h"
#include "table/summary_text.h"

namespace pilaro::batch {

using messages::FileProblem;
using messages::Message;
using messages::MessageError;
using messages::tableError;
using messages::TableProblem;
using table::CellRow;
using table::Column;
using table::ColumnMap;
using table::CsvReader;
using table::InputText;
using table::makeCsvWriter;
using table::makeJsonLinesWriter;
using table::makeXlsxWriter;
using table::MemberSummaries;
using table::MemberSummary;
using table::OutputFile;
using table::readHeader;
using table::RowOutcome;
using table::RowWriter;
using table::sameFile;

namespace {

// The header, checked before anything is written.
ColumnMap readColumns(CsvReader& reader, const BatchOptions& options) {
    CellRow header;
    if (!reader.next(header)) throw tableError(TableProblem::NoHeader, {});
    Message error;
    const std::optional<ColumnMap> columns = readHeader(header.cells, error);
    if (!columns) throw MessageError(error);
    if (!options.provided.byMember.empty() && !columns->has(Column::Member))
        throw tableError(TableProblem::ProvidedMemberWithoutColumn,
                         {options.provided.byMember.begin()->first,
                          table::columnAsWritten(*columns, Column::Member)});
    return *columns;
}

// A member given steel by name that the table does not have is told, so
// that a misspelt name is not mistaken for a check.
bool everyProvidedMemberIsThere(const BatchOptions& options,
                                const std::vector<MemberSummary>& members) {
    bool all = true;
    for (const auto& pair : options.provided.byMember) {
        const std::string& member = pair.first;
        const bool there = std::any_of(members.begin(), members.end(), [&](const MemberSummary& s) {
            return table::trimBlanks(s.member) == member;
        });
        if (!there)
            say(messages::provideMessage(messages::ProvideProblem::NoSuchMember,
                                         {member, pair.second.text}),
                options.language);
        all = all && there;
    }
    return all;
}

std::unique_ptr<RowWriter> makeWriter(const BatchOptions& options, const ColumnMap& columns,
                                      const table::OutputLayout& layout, OutputFile* file) {
    std::FILE* stream = file ? file->stream() : stdout;
    switch (options.format) {
        case OutputFormat::Csv:
            return makeCsvWriter(stream, table::MessageColumn::Output, layout);
        case OutputFormat::JsonLines:
            return makeJsonLinesWriter(stream, columns);
        case OutputFormat::Xlsx:
            file->closeStream();
            return makeXlsxWriter(file->temporaryPath(), layout);
    }
    return nullptr;
}

int tableRun(const BatchOptions& options, std::istream& in) {
    InputText text(in);
    const ColumnMap columns = [&] {
        CsvReader header(text.utf8(), options.separator);
        return readColumns(header, options);
    }();
    const table::OutputLayout layout = layoutAhead(text, options.separator, columns);
    CsvReader reader(text.utf8(), options.separator);
    readColumns(reader, options);

    std::unique_ptr<OutputFile> file;
    if (!options.output.empty())
        file = std::make_unique<OutputFile>(options.output, options.language);
    const std::unique_ptr<RowWriter> writer = makeWriter(options, columns, layout, file.get());

    MemberSummaries summaries;
    const bool drawing = !options.diagramDirectory.empty();
    diagram::DiagramTable diagrams;
    Progress progress(isatty(STDERR_FILENO) == 1, text.utf8Size(), options.language);
    long rows = 0;
    bool allPass = true;
    runRowsInOrder(reader, columns, options.provided, options.jobs,
                   [&](const RowOutcome& outcome, std::uint64_t bytesRead) {
                       for (const table::RowError& error : outcome.row.errors) {
                           progress.finish();
                           say(messages::rowMessage(outcome.row.line, error.told),
                               options.language);
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
    const std::string summary =
        table::summaryText(summaries.members(), {options.language, columns.has(Column::Member),
                                                 options.summaryOfEveryMember, &options.provided});
    std::fputs(summary.c_str(), summaryOut);
    const bool providedAsGiven = everyProvidedMemberIsThere(options, summaries.members());
    int status = allPass && providedAsGiven ? kExitAllPass : kExitSomeFailOrNoResult;
    if (drawing) status = std::max(status, writeDiagrams(diagrams, options, columns, summaryOut));
    std::fflush(summaryOut);
    return status;
}

}  // namespace

int runBatch(const BatchOptions& options) {
    try {
        // Renaming the output over the table being read would lose the table.
        if (options.input != "-" && !options.output.empty() &&
            sameFile(options.input, options.output))
            throw messages::fileError(FileProblem::OutputIsInput, {options.output});
        // A directory that cannot be made stops the run before anything is
        // written.
        if (!options.diagramDirectory.empty()) prepareDiagramDirectory(options.diagramDirectory);
        if (options.input == "-") return tableRun(options, std::cin);
        std::ifstream in(options.input, std::ios::binary);
        if (!in)
            throw messages::fileError(FileProblem::CannotRead,
                                      {options.input, messages::systemReason(errno)});
        return tableRun(options, in);
    } catch (const MessageError& e) {
        say(e.message(), options.language);
    } catch (const std::bad_alloc&) {
        say(messages::tableMessage(TableProblem::OutOfMemory, {}), options.language);
    } catch (const std::exception& e) {
        say(messages::usageMessage(messages::UsageProblem::UnexpectedError, {e.what()}),
            options.language);
    }
    return kExitUsageOrFileError;
}

}  // namespace pilaro::batch
