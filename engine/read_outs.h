// What the read-out fields show after a completed run: the one rule that
// the window and the load-case tables both present results by.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation.h"

namespace pilaro {

struct ReadOut {
    std::string_view field;  // the window's read-out field, "txtag2"
    std::string_view name;   // the result it shows, "AgRequired"
    std::string text;        // UTF-8, as the field shows it; empty when emptied
};

// The writes of a Done run, in the order the window makes them: the design
// road fills the design frame and empties the check frame, the check road
// fills the coefficients and the check frame and empties the rest of the
// design frame. Numbers go through numberToText; an unset value shows as
// empty text; the verdict is shown as it stands.
[[nodiscard]] std::vector<ReadOut> readOuts(const CalcResult& result, bool checkPath);

}  // namespace pilaro
