// Turns fuzzer bytes into calculation inputs: any type, any field unset or
// any double (raw bit patterns, engineering decimals, edge numbers, typed
// text read by the parse rule) and real grades among them.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/calculation.h"
#include "engine/solver_input.h"

namespace pilaro::test {

enum class Quantity { Mj, Nj, D, a, l0, Ag, Ra, Eh, Rg, Eg };

MaybeValue decodeValue(FuzzedDataProvider& bytes, Quantity quantity);

CalcInput decodeInput(FuzzedDataProvider& bytes);

// What a solver reads, any values at all: the solvers must end within their
// bound even on inputs no run would give them.
SolverInput decodeSolverInput(FuzzedDataProvider& bytes);

}  // namespace pilaro::test
