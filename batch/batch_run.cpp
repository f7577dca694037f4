#include "batch/batch_run.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "batch/diagram_files.h"
#include "batch/input_table.h"
#include "batch/layout_ahead.h"
#include "batch/messages.h"
#include "batch/progress.h"
#include "batch/rows_in_order.h"
#include "messages/batch_messages.h"
#include "messages/file_messages.h"
#include "messages/sheet_messages.h"
#include "messages/table_messages.h"
#include "table/cell_values.h"
#include "table/io_writers.h"
#include "table/member_summary.h"
#include "table/output_file.h"
#include "table/row_writer.h"
#include "table/summary_text.h"
#include "table/table_start.h"

namespace pilaro::batch {

using messages::FileProblem;
using messages::Message;
using messages::MessageError;
using messages::SheetProblem;
using messages::tableError;
using messages::TableProblem;
using table::Column;
using table::ColumnMap;
using table::MemberSummaries;
using table::MemberSummary;
using table::OutputFile;
using table::RowOutcome;
using table::RowWriter;
using table::sameFile;

namespace {

// The fewest bytes a load case takes in a file: its required cells, one
// character each, their separators and a line break. A file shorter than
// this many a row cannot hold more rows than a sheet.
constexpr std::uint64_t kFewestBytesOfRow = 16;

// Rows written between two hints to the system to start writing the output
// to the disk: a megabyte or two of a CSV.
constexpr long kRowsBetweenWriteBacks = 8192;

// Every provided member by name must be in the table, or it is told.
void checkProvidedMemberColumn(const BatchOptions& options, const ColumnMap& columns) {
    if (!options.provided.byMember.empty() && !columns.has(Column::Member))
        throw tableError(TableProblem::ProvidedMemberWithoutColumn,
                         {options.provided.byMember.begin()->first,
                          table::columnAsWritten(columns, Column::Member)});
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

// A table for a workbook refused before any row runs, when it holds more
// load cases than a sheet: counted in a reading of its own, where the
// table is long enough to.
void refuseMoreRowsThanASheet(const InputTable& input, std::uint64_t size) {
    if (size <= kFewestBytesOfRow * table::kMostSheetLoadCases) return;
    TableReading counting = input.read();
    table::RowsAfterHeader rows(*counting.records);
    if (table::moreLoadCasesThan(rows, table::kMostSheetLoadCases))
        throw table::tooManyRowsForSheet(table::kMostSheetLoadCases);
}

std::unique_ptr<RowWriter> makeWriter(const BatchOptions& options, const ColumnMap& columns,
                                      const table::OutputLayout& layout, OutputFile* file) {
    std::FILE* stream = file ? file->stream() : stdout;
    switch (options.format) {
        case OutputFormat::Csv:
            return table::makeCsvWriter(stream, table::MessageColumn::Output, layout);
        case OutputFormat::JsonLines:
            return table::makeJsonWriter(stream, columns, table::JsonForm::Lines);
        case OutputFormat::JsonArray:
            return table::makeJsonWriter(stream, columns, table::JsonForm::Array);
        case OutputFormat::Xlsx:
            file->closeStream();
            return table::makeXlsxWriter(file->temporaryPath(), layout);
    }
    return nullptr;
}

// What a row's outcome makes of the exit status.
int statusOf(const RowOutcome& outcome) {
    if (!outcome.row.errors.empty()) return kExitSomeNotRun;
    if (!outcome.hasResult) {
        const bool largerSection = outcome.isCurrentCode()
                                       ? outcome.current.status == jtg3362::Status::EnlargeSection
                                       : outcome.stop == CalcStatus::EnlargeSection ||
                                             outcome.stop == CalcStatus::SectionTooSmall;
        return largerSection ? kExitSomeFail : kExitSomeNotRun;
    }
    return outcome.failsCheck() ? kExitSomeFail : kExitAllPass;
}

// The worse of two statuses: 3 wins over 1, and 2 over both.
int worse(int a, int b) {
    const auto rank = [](int status) {
        return status == kExitUsageOrFileError ? 3 : status == kExitSomeNotRun ? 2 : status;
    };
    return rank(a) >= rank(b) ? a : b;
}

Message nameOfOutput(const BatchOptions& options) {
    return options.output.empty() ? messages::sheetMessage(SheetProblem::StandardOutput, {})
                                  : Message(options.output);
}

// Writing that fails tells the file and the system's reason.
template <typename Write>
void writingTo(const Message& name, Write&& write) {
    try {
        write();
    } catch (const table::WriteFailure& e) {
        throw messages::fileError(FileProblem::CannotWrite, {name, e.reason});
    }
}

int tableRun(const BatchOptions& options, const InputTable& input) {
    TableReading reading = input.read();
    table::RowsAfterHeader rows(*reading.records);
    const ColumnMap& columns = rows.columns();
    checkProvidedMemberColumn(options, columns);
    if (options.format == OutputFormat::Xlsx) refuseMoreRowsThanASheet(input, reading.size);
    const table::OutputLayout layout = layoutAhead(input, columns);

    std::unique_ptr<OutputFile> file;
    if (!options.output.empty())
        file = std::make_unique<OutputFile>(options.output, options.language);
    const Message outputName = nameOfOutput(options);
    std::unique_ptr<RowWriter> writer;
    writingTo(outputName, [&] { writer = makeWriter(options, columns, layout, file.get()); });

    MemberSummaries summaries;
    const bool drawing = !options.diagramDirectory.empty();
    diagram::DiagramTable diagrams;
    Progress progress(!options.quiet && isatty(STDERR_FILENO) == 1, reading.size, options.language);
    long rowsRun = 0;
    int status = kExitAllPass;
    const RowWriter& formatter = *writer;
    runRowsInOrder(
        rows, columns, options.provided, options.jobs,
        [&](const RowOutcome& outcome) { return formatter.format(outcome); },
        [&](FinishedRow& row) {
            const RowOutcome& outcome = row.outcome;
            for (const table::RowError& error : outcome.row.errors) {
                progress.finish();
                say(messages::rowMessage(outcome.row.line, error.told), options.language);
            }
            writingTo(outputName, [&] { writer->writeFormatted(std::move(row.formatted)); });
            summaries.add(outcome);
            if (drawing) diagrams.add(outcome);
            status = worse(status, statusOf(outcome));
            progress.update(++rowsRun, row.bytesRead);
            if (file && rowsRun % kRowsBetweenWriteBacks == 0) file->startWriteBack();
        });
    writingTo(outputName, [&] { writer->finish(); });
    if (file) file->commit();
    progress.finish();

    const bool summarised = options.summary != SummaryShown::None;
    std::FILE* summaryOut = options.output.empty() ? stderr : stdout;
    int summaryError = 0;  // the first failure to write the summary
    const auto summaryWritten = [&](bool written) {
        if (!written && summaryError == 0) summaryError = errno != 0 ? errno : EIO;
    };
    if (summarised) {
        const std::string summary = table::summaryText(
            summaries.members(), {options.language, columns.has(Column::Member),
                                  options.summary == SummaryShown::All, &options.provided});
        errno = 0;
        summaryWritten(std::fputs(summary.c_str(), summaryOut) >= 0);
    }
    if (!everyProvidedMemberIsThere(options, summaries.members()))
        status = worse(status, kExitUsageOrFileError);
    if (drawing)
        status = worse(
            status, writeDiagrams(diagrams, options, columns, summarised ? summaryOut : nullptr));
    if (summarised) {
        errno = 0;
        summaryWritten(std::fflush(summaryOut) == 0 && !std::ferror(summaryOut));
    }
    // The summary is part of the run: one that cannot be written fails it.
    if (summaryError != 0) {
        const Message stream = messages::sheetMessage(
            summaryOut == stdout ? SheetProblem::StandardOutput : SheetProblem::StandardError, {});
        say(messages::fileMessage(FileProblem::CannotWrite,
                                  {messages::sheetMessage(SheetProblem::Summary, {stream}),
                                   messages::systemReason(summaryError)}),
            options.language);
        status = kExitUsageOrFileError;
    }
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
        const InputTable input(options);
        return tableRun(options, input);
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
