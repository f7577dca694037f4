// What the read-out fields show after a completed run.
#pragma once

#include <QString>
#include <string_view>
#include <vector>

#include "engine/calculation.h"

namespace pilaro {

struct ReadOutText {
    std::string_view field;  // name of the read-out field
    QString text;
};

// The writes of a Done run, in the order they are made: the design road
// fills the design frame and empties the check frame, the check road fills
// the coefficients and the check frame and empties the rest of the design
// frame. Numbers go through numberToText; an unset value shows as empty
// text; the verdict is shown as it stands.
[[nodiscard]] std::vector<ReadOutText> readOutTexts(const CalcResult& result, bool checkPath);

}  // namespace pilaro
