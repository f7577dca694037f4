// The engine's own time for the runs of a load-case table: the rows are
// read first, untimed, then every calculation run and its read-outs are
// timed alone. pilaro-batch's time over the same table, less this, is the
// cost of reading the CSV and writing the output.
//
//   pilaro_batch_engine_time TABLE.csv
#include <time.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "engine/calculation.h"
#include "engine/read_outs.h"
#include "table/columns.h"
#include "table/csv_reader.h"
#include "table/row_input.h"

namespace {

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TABLE.csv\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    pilaro::table::CsvReader reader(in);
    pilaro::table::CellRow record;
    pilaro::messages::Message error;
    if (!reader.next(record)) return 2;
    const auto columns = pilaro::table::readHeader(record.cells, error);
    if (!columns) {
        std::fprintf(stderr, "%s\n", error.english.c_str());
        return 2;
    }
    std::vector<pilaro::CalcInput> inputs;
    while (reader.next(record)) {
        const pilaro::table::RowCase row = pilaro::table::readRow(record, *columns, {});
        if (row.errors.empty()) inputs.push_back(row.input);
    }

    std::size_t shownTexts = 0;
    const double start = cpuSeconds();
    for (const pilaro::CalcInput& input : inputs) {
        pilaro::CalcResult result;
        if (pilaro::runCalculation(input, result) == pilaro::CalcStatus::Done)
            shownTexts += pilaro::readOuts(result, pilaro::takesCheckRoad(input)).size();
    }
    const double seconds = cpuSeconds() - start;
    std::printf("%zu runs, %zu read-outs: %.3f s of CPU (%.2f us a run)\n", inputs.size(),
                shownTexts, seconds, seconds / static_cast<double>(inputs.size()) * 1e6);
    return 0;
}
