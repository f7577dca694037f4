// The numeric fields of a run's result, grouped by who may write them, so
// that the state rule of a run can be checked field by field.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation.h"
#include "tests/support/same_bits.h"

namespace pilaro::test {

enum class FieldGroup {
    Derived,  // g to rhoGiven: every run past the input checks
    Solver,   // xi and the four coefficients: either road
    Design,   // rho, the required area and the bar counts
    Check,    // Nq and Mq (the verdict is text and compared on its own)
};

struct ResultField {
    std::string name;
    FieldGroup group;
    MaybeValue value;
    int decimals;  // as the reporting step leaves it; -1 for the derived fields
};

std::vector<ResultField> resultFields(const CalcResult& result);

// The names of the fields (and "verdict") whose bits differ.
std::vector<std::string> changedFields(const CalcResult& before, const CalcResult& after);

}  // namespace pilaro::test
