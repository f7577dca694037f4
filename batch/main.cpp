// pilaro-batch: a table of load cases from a CSV file, run through the
// calculation of the window, with every result in one output table.
#include <csignal>
#include <iostream>
#include <variant>

#include "batch/batch_run.h"
#include "batch/options.h"
#include "table/temporary_files.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A closed pipe is a write that fails, told as such, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    // An interrupted run leaves no temporary file, and the old output.
    pilaro::table::removeTemporaryFilesOnSignals();
    const auto parsed = pilaro::batch::parseOptions(argc, argv);
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    return pilaro::batch::runBatch(std::get<pilaro::batch::BatchOptions>(parsed));
}
