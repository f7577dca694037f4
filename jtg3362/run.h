// A calculation under JTG 3362-2018, the current highway-bridge code: a
// check of given steel or the design of the least steel, for a circular
// member under Nd and Md. The entry of the room; Qt-free.
#pragma once

#include "jtg3362/records.h"

namespace pilaro::jtg3362 {

// The input's refusals, in this order, end the run first: γ0, the grades,
// a field that is not finite (Nd, Md, D, a, l0, then a check's As), D > 0,
// 0 < a < D / 2, Nd > 0, l0 >= 0, a check's 0 <= As <= A and at least 8
// bars, then l0 / D within the stability table. A run ends quickly
// whatever the input, and never with a figure that is not finite
// (ResultOutOfRange instead).
[[nodiscard]] Outcome run(const Input& input);

}  // namespace pilaro::jtg3362
