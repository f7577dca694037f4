#include "batch/rows_in_order.h"

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>
#include <oneapi/tbb/parallel_pipeline.h>
#include <oneapi/tbb/task_arena.h>

#include <atomic>
#include <exception>
#include <utility>
#include <vector>

namespace pilaro::batch {

namespace {

// Rows pass from stage to stage in chunks: a row takes some tens of
// microseconds, and handing each alone from thread to thread would cost a
// good part of that.
constexpr std::size_t kRowsInChunk = 16;

// Chunks in flight for each thread: enough to keep every thread busy while
// one chunk is read and another written, few enough that the memory of a
// run does not grow with its table.
constexpr int kChunksInFlightPerJob = 4;

struct Chunk {
    std::vector<table::CellRow> records;
    std::vector<std::uint64_t> bytesRead;
    std::vector<FinishedRow> rows;
    // What stopped the reading after these records, or the running after
    // these rows, thrown on once they have been taken.
    std::exception_ptr readFailure;
    std::exception_ptr runFailure;
};

}  // namespace

int defaultJobs() {
    return oneapi::tbb::info::default_concurrency();
}

void runRowsInOrder(table::RecordSource& reader, const table::ColumnMap& columns,
                    const table::ProvidedSteels& provided, int jobs,
                    const std::function<table::FormattedRow(const table::RowOutcome&)>& format,
                    const std::function<void(FinishedRow& row)>& take) {
    using oneapi::tbb::filter_mode;
    using oneapi::tbb::make_filter;
    bool readingEnded = false;
    // A failure stops the reading and is thrown once the chunks in flight
    // have come through (dropped), so that none is left behind undone.
    std::atomic<bool> stopping{false};
    std::exception_ptr failure;
    const auto read = [&](oneapi::tbb::flow_control& control) {
        Chunk chunk;
        if (readingEnded || stopping.load()) {
            control.stop();
            return chunk;
        }
        try {
            while (!readingEnded && chunk.records.size() < kRowsInChunk) {
                table::CellRow record;
                readingEnded = !reader.next(record);
                if (readingEnded) break;
                chunk.records.push_back(std::move(record));
                chunk.bytesRead.push_back(reader.bytesRead());
            }
        } catch (...) {
            chunk.readFailure = std::current_exception();
            readingEnded = true;
        }
        if (chunk.records.empty() && !chunk.readFailure) control.stop();
        return chunk;
    };
    const auto run = [&](Chunk chunk) {
        try {
            chunk.rows.reserve(chunk.records.size());
            for (std::size_t i = 0; i < chunk.records.size(); ++i) {
                FinishedRow& row = chunk.rows.emplace_back(
                    [&] {
                        return table::runRow(table::readRow(chunk.records[i], columns, provided));
                    },
                    chunk.bytesRead[i]);
                row.formatted = format(row.outcome);
            }
        } catch (...) {
            chunk.runFailure = std::current_exception();
        }
        chunk.records.clear();
        return chunk;
    };
    const auto hand = [&](Chunk chunk) {
        if (failure) return;
        try {
            for (FinishedRow& row : chunk.rows) take(row);
            if (chunk.runFailure) std::rethrow_exception(chunk.runFailure);
            if (chunk.readFailure) std::rethrow_exception(chunk.readFailure);
        } catch (...) {
            failure = std::current_exception();
            stopping.store(true);
        }
    };

    // As many threads as asked for, more than the cores if so.
    const oneapi::tbb::global_control threads(oneapi::tbb::global_control::max_allowed_parallelism,
                                              static_cast<std::size_t>(jobs));
    oneapi::tbb::task_arena arena(jobs);
    arena.execute([&] {
        oneapi::tbb::parallel_pipeline(
            static_cast<std::size_t>(kChunksInFlightPerJob * jobs),
            make_filter<void, Chunk>(filter_mode::serial_in_order, read) &
                make_filter<Chunk, Chunk>(filter_mode::parallel, run) &
                make_filter<Chunk, void>(filter_mode::serial_in_order, hand));
    });
    if (failure) std::rethrow_exception(failure);
}

}  // namespace pilaro::batch
