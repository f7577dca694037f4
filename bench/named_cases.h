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

// Runs at the edges of the section model, whose answer is not a landing of
// the written search alone: a design raised until its own check carries the
// load, and checks of members under axial force alone.
std::span<const NamedCase> edgeCases();

// The slowest inputs found, absurd ones among them, whatever their
// outcome: what the engine costs at its worst.
std::span<const NamedCase> worstInputs();

}  // namespace pilaro
