// A short English name for each status of a current-code run, as a
// load-case table's output names it ("done", "enlarge-section"). Where a
// status means what an archived one means, it has the archived name.
#pragma once

#include <string_view>

#include "jtg3362/records.h"

namespace pilaro::jtg3362 {

[[nodiscard]] std::string_view statusName(Status status);

}  // namespace pilaro::jtg3362
