// The strength check solver: the state of a section with a given steel area
// whose resistance acts at the eccentricity of the loads, and its capacities.
#pragma once

#include <string_view>

#include "engine/search.h"
#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

struct CheckSolution {
    double rhoGiven = 0.0;
    double xi = 0.0;
    SectionCoefficients coefficients;
    double Nq = 0.0;  // kN
    double Mq = 0.0;  // kN m
};

// The ratio of a given area (cm^2) to the section of diameter D (m).
[[nodiscard]] double givenSteelRatio(double Ag, double D);

// One trial of the check search: the eccentricity of the resistance
// against the amplified eccentricity of the loads. Keeps the values of the
// last trial.
struct CheckTrial {
    const SolverInput& in;
    double rhoGiven;
    StressBlockMemory memory{};
    SectionCoefficients c{};

    [[nodiscard]] TrialOutcome operator()(double xi);
};

// Fills `solution` only when the search lands.
[[nodiscard]] SearchResult solveCheck(const SolverInput& in, double Ag, CheckSolution& solution);

// On the reported (rounded) axial capacity; equality passes.
[[nodiscard]] std::string_view checkVerdict(double reportedNq, double Nj);

}  // namespace pilaro
