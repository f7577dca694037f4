// One run of a load-case table: read the rows, run each, write the output
// table and the members' governing cases.
#pragma once

#include "batch/options.h"

namespace pilaro::batch {

// The exit status (see options.h). Messages go to standard error.
int runBatch(const BatchOptions& options);

}  // namespace pilaro::batch
