// The design an engineer can rely on where the written search gives none:
// the least steel ratio whose reported area, checked under the design's
// own loads, carries Nj.
#pragma once

#include "engine/calc_records.h"
#include "engine/search/area_checks.h"
#include "engine/search/design_solver.h"

namespace pilaro {

// The least ratio from the minimum to 1 whose area's check carries Nj, as
// the bisection on the ratio finds it: the minimum where its area carries;
// SectionTooSmall where not even a ratio of 1 does; the status of a check
// of ratio 1 that ends without a result. The checks are the design's
// (`checks`), which may hold some made already.
[[nodiscard]] CalcStatus leastCarryingRatio(AreaChecks& checks, DesignSolution& solution);

}  // namespace pilaro
