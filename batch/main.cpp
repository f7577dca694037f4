// pilaro-batch: a table of load cases from a CSV file, run through the
// calculation of the window, with every result in one output table.
#include <iostream>
#include <variant>

#include "batch/batch_run.h"
#include "batch/options.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const auto parsed = pilaro::batch::parseOptions(argc, argv);
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    return pilaro::batch::runBatch(std::get<pilaro::batch::BatchOptions>(parsed));
}
