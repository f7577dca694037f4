// The sections the engine benchmarks run: the worked examples of the two
// solvers, the slowest search found that lands on the grid, and the worst
// searches that never do (circling, running away, and circling until the
// trial cap).
#pragma once

#include <span>

#include "bench/section_case.h"

namespace pilaro {

struct NamedCase {
    const char* name;
    SectionCase section;
};

std::span<const NamedCase> namedCases();

}  // namespace pilaro
