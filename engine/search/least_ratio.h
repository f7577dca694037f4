// The design an engineer can rely on where the written search gives none:
// the least steel ratio whose reported area, checked under the design's
// own loads, carries Nj.
#pragma once

#include "engine/calc_records.h"
#include "engine/search/check_solver.h"
#include "engine/search/coefficient_memo.h"
#include "engine/search/design_solver.h"
#include "engine/search/search_outcome.h"
#include "engine/solver_input.h"

namespace pilaro {

// The check of the area a design reports (cm^2, three decimals) under the
// design's own loads, as an engineer makes it, with the section's memo;
// `written` as solveCheckAtRatio takes it.
[[nodiscard]] SearchEnd checkReportedArea(const SolverInput& in, double requiredArea,
                                          CheckSolution& check, CoefficientMemo& memo,
                                          Reading written);

// The least ratio from the minimum to 1 whose area's check carries Nj, as
// the bisection on the ratio finds it: the minimum where its area carries;
// SectionTooSmall where not even a ratio of 1 does; the status of a check
// of ratio 1 that ends without a result.
[[nodiscard]] CalcStatus leastCarryingRatio(const SolverInput& in, CoefficientMemo& memo,
                                            DesignSolution& solution);

}  // namespace pilaro
