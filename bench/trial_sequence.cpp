#include "bench/trial_sequence.h"

#include "engine/resistance.h"
#include "engine/search/check_trial.h"
#include "engine/search/coefficient_memo.h"
#include "engine/search/design_trial.h"
#include "engine/search/written_search.h"

namespace pilaro {
namespace {

// The solver's own trial, noting the depth of each call.
template <typename Trial>
struct RecordingTrial {
    Trial trial;
    std::vector<double>& xis;

    TrialOutcome operator()(double xi) {
        xis.push_back(xi);
        return trial(xi);
    }
};

}  // namespace

TrialSequence trialSequenceOf(const SectionCase& section) {
    TrialSequence sequence;
    const std::optional<SolverInput> in = solverInputOf(section);
    if (!in) return sequence;
    CoefficientMemo memo(in->g, in->Rg, in->Eg);
    if (section.Ag == 0) {
        RecordingTrial<DesignTrial> recording{DesignTrial{*in, memo, Reading::Fresh}, sequence.xi};
        sequence.search = searchXi(recording, kDesignSteps);
    } else {
        const double rhoGiven = givenSteelRatio(section.Ag, section.D);
        RecordingTrial<CheckTrial> recording{CheckTrial{*in, rhoGiven, memo, Reading::Fresh},
                                             sequence.xi};
        sequence.search = searchXi(recording, kCheckSteps);
    }
    return sequence;
}

}  // namespace pilaro
