#include "batch/rows_in_order.h"

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>
#include <oneapi/tbb/parallel_pipeline.h>
#include <oneapi/tbb/task_arena.h>

#include <utility>

namespace pilaro::batch {

namespace {

// Rows in flight for each thread: enough to keep every thread busy while
// one row is read and another written, few enough that the memory of a run
// does not grow with its table.
constexpr int kRowsInFlightPerJob = 16;

struct ReadRecord {
    table::CellRow record;
    std::uint64_t bytesRead = 0;
};

struct RunRow {
    table::RowOutcome outcome;
    std::uint64_t bytesRead = 0;
};

}  // namespace

int defaultJobs() {
    return oneapi::tbb::info::default_concurrency();
}

void runRowsInOrder(
    table::RecordSource& reader, const table::ColumnMap& columns,
    const table::ProvidedSteels& provided, int jobs,
    const std::function<void(const table::RowOutcome& outcome, std::uint64_t bytesRead)>& take) {
    using oneapi::tbb::filter_mode;
    using oneapi::tbb::make_filter;
    const auto read = [&](oneapi::tbb::flow_control& control) {
        ReadRecord r;
        if (reader.next(r.record))
            r.bytesRead = reader.bytesRead();
        else
            control.stop();
        return r;
    };
    const auto run = [&](ReadRecord r) {
        return RunRow{table::runRow(table::readRow(r.record, columns, provided)), r.bytesRead};
    };
    const auto hand = [&](const RunRow& r) { take(r.outcome, r.bytesRead); };

    // As many threads as asked for, more than the cores if so.
    const oneapi::tbb::global_control threads(oneapi::tbb::global_control::max_allowed_parallelism,
                                              static_cast<std::size_t>(jobs));
    oneapi::tbb::task_arena arena(jobs);
    arena.execute([&] {
        oneapi::tbb::parallel_pipeline(
            static_cast<std::size_t>(kRowsInFlightPerJob * jobs),
            make_filter<void, ReadRecord>(filter_mode::serial_in_order, read) &
                make_filter<ReadRecord, RunRow>(filter_mode::parallel, run) &
                make_filter<RunRow, void>(filter_mode::serial_in_order, hand));
    });
}

}  // namespace pilaro::batch
