#include "engine/roads.h"

#include "engine/search/area_checks.h"
#include "engine/search/coefficient_memo.h"
#include "engine/search/least_ratio.h"
#include "engine/search/search_status.h"

namespace pilaro {

namespace {

// What a design's own check may fall short of Nj by: the rounding down of
// the reported area and the check's acceptance band.
constexpr double kOwnCheckShare = 0.99;

}  // namespace

CalcStatus designRoad(const SolverInput& in, DesignSolution& solution) {
    // One memo for the section: the scan after a written search that never
    // lands and every check of the least carrying ratio read the same depths.
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    AreaChecks checks(in, memo);
    DesignSolution written;
    // A landing outside 0 < xi <= 1.5 is no state of the section (beyond
    // 1.5 the stress-block factor is held over from an earlier trial).
    const SearchResult found = solveDesignOnRange(in, written, memo);
    if (found.end == SearchEnd::Landed && onSectionRange(written.xi) && written.rho <= 1) {
        // The area the design reports, checked under its loads; the
        // reporting step and the check's band may cost up to 1 % of Nj.
        // Where the written steps landed on the grid the design mostly
        // stands, and no other check reads the depths of this one: they
        // are evaluated afresh. A design found otherwise (a cycle bisected,
        // the range scanned) lies at an edge of the model, where the least
        // carrying ratio often follows and its checks walk the same depths.
        const Reading reading = found.refined ? Reading::ThroughMemo : Reading::Fresh;
        const AreaCheck& own = checks.of(written.requiredArea, reading);
        // A scan's design stands only after a written search that never
        // lands; one stopped on a cycle outside the range is followed to
        // its end for that, where it matters.
        if (own.end == SearchEnd::Landed && own.check.Nq >= kOwnCheckShare * in.Nj &&
            (!found.stoppedOutsideRange || writtenDesignNeverLands(in, memo))) {
            solution = written;
            return CalcStatus::Done;
        }
    }
    return leastCarryingRatio(checks, solution);
}

CalcStatus checkRoad(const SolverInput& in, double Ag, CheckSolution& solution) {
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    return statusOf(solveCheck(in, Ag, solution, memo).end);
}

}  // namespace pilaro
