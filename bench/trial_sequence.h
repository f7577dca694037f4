// The trial depths a run's search evaluates, in order, so that the cost of
// the section coefficients alone can be measured on exactly those trials.
#pragma once

#include <vector>

#include "bench/section_case.h"

namespace pilaro {

struct TrialSequence {
    std::vector<double> xi;  // one entry per trial
    SearchResult search;     // as the recording search ended
};

// Replays the solver's search with the solver's own trial, recording the
// depth of every call; `search` ends exactly as the solver's does.
TrialSequence trialSequenceOf(const SectionCase& section);

}  // namespace pilaro
