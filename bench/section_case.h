// One section and its loads as the benchmarks and the worst-input search
// describe it: the figures a user types, and the grades chosen in the lists.
#pragma once

#include <cstddef>
#include <optional>

#include "engine/calculation.h"
#include "engine/search/written_search.h"
#include "engine/solver_input.h"

namespace pilaro {

struct SectionCase {
    double D;              // m
    double a;              // m
    double l0;             // m
    double Nj;             // kN
    double Mj;             // kN m
    double Ag;             // cm^2; 0 takes the design road
    std::size_t concrete;  // row of the concrete table
    std::size_t steel;     // row of the steel table
};

CalcInput calcInputOf(const SectionCase& section);

// The loads and derived quantities that the run hands to its solver, or
// nothing when the run stops before the solver (zero divisor, missing grade,
// "应加大截面尺寸！").
std::optional<SolverInput> solverInputOf(const SectionCase& section);

// The solver's own search for this section, with its trial count; the run
// adds only the derived quantities and the reporting step to it.
SearchResult searchOf(const SectionCase& section);

// The written search alone, without the scan of the range that follows a
// search that never lands: Landed and refined where a cycle was bisected.
SearchResult writtenSearchOf(const SectionCase& section);

// CPU time of this thread, in seconds: the machine is shared, and another
// process taking the core should not count against the engine.
double threadCpuSeconds();

// The CPU time of one whole run of the section (the median of a few
// rounds, each repeated for at least `leastSeconds`), in seconds.
double secondsPerRun(const SectionCase& section, double leastSeconds = 0.001);

}  // namespace pilaro
