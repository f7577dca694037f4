// The two roads of a run from the derived section to the solution it
// reports, each ending in the run's status.
#pragma once

#include "engine/calc_records.h"
#include "engine/search/check_solver.h"
#include "engine/search/design_solver.h"
#include "engine/solver_input.h"

namespace pilaro {

// A design must pass its own check: the written search's design stands
// where it lands on the section's own range 0 < xi <= 1.5 and a check of
// its ratio under the same loads carries Nj (within the 1 % the reporting
// step may cost); otherwise, and where the search ends without a result,
// the design is the least ratio of at least the minimum whose check
// carries Nj. SectionTooSmall where even a ratio of 1 (steel as large as
// the section) cannot.
[[nodiscard]] CalcStatus designRoad(const SolverInput& in, DesignSolution& solution);

[[nodiscard]] CalcStatus checkRoad(const SolverInput& in, double Ag, CheckSolution& solution);

}  // namespace pilaro
