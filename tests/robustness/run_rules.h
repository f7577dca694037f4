// The rules every calculation run keeps, whatever it was given: a status
// always, a failed run changes nothing, a completed run stores only finite
// values that read out well, and each road writes only its own fields.
#pragma once

#include <optional>
#include <string>

#include "engine/calculation.h"
#include "engine/solver_input.h"

namespace pilaro::test {

// Empty when the run from `before` to `after` kept the rules; otherwise
// what it broke.
std::string runRuleFault(const CalcInput& input, CalcStatus status, const CalcResult& before,
                         const CalcResult& after);

// What the solver of this run reads, from the input by the run's written
// formulas; nothing when the run stops before a solver. The oracle the run
// is checked against, so kept apart from the engine's own derivation.
std::optional<SolverInput> solverInputByWrittenFormulas(const CalcInput& input);

struct SolverCheck {
    std::string fault;  // empty when kept
    long trials = 0;    // 0 when the run stops before a solver
};

// Runs the solver the run would reach, again, on its own: it must end within
// the trial bound, and its end must agree with the run's status (and, after
// Done, with the derived fields the run stored).
SolverCheck solverRuleFault(const CalcInput& input, CalcStatus status, const CalcResult& after);

// Every field of the input, bit for bit.
bool sameInput(const CalcInput& a, const CalcInput& b);

// The input in hexadecimal floating point, to reproduce a failure exactly.
std::string describe(const CalcInput& input);

}  // namespace pilaro::test
