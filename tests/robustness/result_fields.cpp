#include "tests/robustness/result_fields.h"

namespace pilaro::test {

std::vector<ResultField> resultFields(const CalcResult& r) {
    std::vector<ResultField> fields = {
        {"g", FieldGroup::Derived, r.g, -1},
        {"r", FieldGroup::Derived, r.r, -1},
        {"I", FieldGroup::Derived, r.I, -1},
        {"e0", FieldGroup::Derived, r.e0, -1},
        {"lambda", FieldGroup::Derived, r.lambda, -1},
        {"alpha", FieldGroup::Derived, r.alpha, -1},
        {"eta", FieldGroup::Derived, r.eta, -1},
        // Written unrounded by a slender run, with 4 decimals by the check road.
        {"rhoGiven", FieldGroup::Derived, r.rhoGiven, -1},
        {"xi", FieldGroup::Solver, r.xi, 4},
        {"coefA", FieldGroup::Solver, r.coefA, 5},
        {"coefB", FieldGroup::Solver, r.coefB, 5},
        {"coefC", FieldGroup::Solver, r.coefC, 5},
        {"coefD", FieldGroup::Solver, r.coefD, 5},
        {"rho", FieldGroup::Design, r.rho, 4},
        {"Ag", FieldGroup::Design, r.Ag, 3},
        {"Nq", FieldGroup::Check, r.Nq, 3},
        {"Mq", FieldGroup::Check, r.Mq, 3},
    };
    for (std::size_t i = 0; i < r.barCounts.size(); ++i)
        fields.push_back(
            {"barCounts[" + std::to_string(i) + "]", FieldGroup::Design, r.barCounts[i], 0});
    return fields;
}

std::vector<std::string> changedFields(const CalcResult& before, const CalcResult& after) {
    const std::vector<ResultField> was = resultFields(before);
    const std::vector<ResultField> now = resultFields(after);
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < was.size(); ++i)
        if (!sameBits(was[i].value, now[i].value)) changed.push_back(was[i].name);
    if (before.verdict != after.verdict) changed.push_back("verdict");
    return changed;
}

}  // namespace pilaro::test
