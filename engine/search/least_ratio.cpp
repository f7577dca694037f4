#include "engine/search/least_ratio.h"

#include <array>
#include <cmath>
#include <optional>

#include "engine/resistance.h"
#include "engine/search/search_status.h"

namespace pilaro {

namespace {

// Where a check of a ratio's area stands against Nj: short of the band
// (or without a result), within it, or above it. The bisection keeps a
// ratio that carries (within or above) and stops within the band.
enum class Standing { Short, Within, Above };

Standing standingOf(SearchEnd end, const CheckSolution& check, double Nj) {
    if (end != SearchEnd::Landed) return Standing::Short;
    if (landsInBand(check.Nq / Nj)) return Standing::Within;
    return check.Nq >= Nj ? Standing::Above : Standing::Short;
}

// The area (m^2) a ratio found by the bisection reports: the minimum area
// at the minimum ratio.
double bisectedArea(const SolverInput& in, double rho) {
    return rho == kMinimumRatio ? minimumArea(in.D) : areaOfRatio(rho, in.D);
}

struct RatioCheck {
    double rho = 0.0;
    CheckSolution check;
    SearchEnd end = SearchEnd::NotConverging;
    Standing standing = Standing::Short;
    bool landed = false;
};

RatioCheck checkRatio(AreaChecks& checks, double rho) {
    const AreaCheck& made = checks.of(bisectedArea(checks.in(), rho), Reading::ThroughMemo);
    RatioCheck r;
    r.rho = rho;
    r.check = made.check;
    r.end = made.end;
    r.landed = r.end == SearchEnd::Landed;
    r.standing = standingOf(r.end, r.check, checks.in().Nj);
    return r;
}

DesignSolution designFromCheck(const SolverInput& in, const RatioCheck& r) {
    DesignSolution design;
    design.xi = r.check.xi;
    design.coefficients = r.check.coefficients;
    design.rho = r.rho;
    design.requiredArea = bisectedArea(in, r.rho);
    return design;
}

// What the checks made so far tell of others. The capacity of a ratio's
// area rises with the ratio, but a check lands anywhere within its band
// (the resistance's eccentricity within 0.1 % of the load's), so the
// capacities of two close ratios may stand out of order by up to about
// 0.2 % of Nj; only the top of the curve (a load without eccentricity) has
// none of that. So a ratio at or below one whose check fell short of the
// band by more than that margin falls short too (or ends without a result,
// which the bisection treats alike), and one at or above a ratio whose
// check lay above the band by more than the margin lies above it too.
struct Known {
    struct Point {
        double rho;
        double share;  // capacity over Nj
    };
    double margin;                      // as a share of Nj
    std::optional<Point> clearlyShort;  // the largest ratio found short by the margin
    std::optional<Point> clearlyAbove;  // the smallest found above by the margin
    std::array<Point, 64> landed{};     // every ratio checked with a result
    std::size_t landedCount = 0;

    void add(const RatioCheck& r, double Nj) {
        const Point p{r.rho, r.check.Nq / Nj};
        if (r.landed && landedCount < landed.size()) landed[landedCount++] = p;
        if (r.landed && r.standing == Standing::Short && p.share < 1 - kAcceptanceBand - margin &&
            (!clearlyShort || p.rho > clearlyShort->rho))
            clearlyShort = p;
        if (r.standing == Standing::Above && p.share > 1 + kAcceptanceBand + margin &&
            (!clearlyAbove || p.rho < clearlyAbove->rho))
            clearlyAbove = p;
    }

    [[nodiscard]] std::optional<Standing> standingAt(double rho) const {
        if (clearlyShort && rho <= clearlyShort->rho) return Standing::Short;
        if (clearlyAbove && rho >= clearlyAbove->rho) return Standing::Above;
        return std::nullopt;
    }

    // The ratio at which the straight line through the checked ratios
    // nearest to `share` on either side reaches it.
    [[nodiscard]] std::optional<double> ratioReaching(double share) const {
        const Point* below = nullptr;
        const Point* above = nullptr;
        for (std::size_t i = 0; i < landedCount; ++i) {
            const Point& p = landed[i];
            if (p.share < share && (!below || p.rho > below->rho)) below = &p;
            if (p.share > share && (!above || p.rho < above->rho)) above = &p;
        }
        if (!below || !above) return std::nullopt;
        return below->rho +
               (share - below->share) * (above->rho - below->rho) / (above->share - below->share);
    }
};

// A ratio whose check should land a little beyond the margin, on a side
// whose clear ratio lies far from the band, where the capacity of a ratio's
// area is close to (at the top of the curve, exactly) linear. Nothing
// where both sides are known close enough or no such ratio lies between
// the clear ones.
std::optional<double> probeRatio(const Known& known) {
    constexpr double kOutside = 0.0015;     // beyond the margin, as a share of Nj
    constexpr double kCloseEnough = 0.003;  // the same, for a clear ratio known already
    const double edge = kAcceptanceBand + known.margin;
    const double floor = known.clearlyShort ? known.clearlyShort->rho : kMinimumRatio;
    const double ceiling = known.clearlyAbove ? known.clearlyAbove->rho : 1.0;
    const bool lowFar = !known.clearlyShort || known.clearlyShort->share < 1 - edge - kCloseEnough;
    const bool highFar = !known.clearlyAbove || known.clearlyAbove->share > 1 + edge + kCloseEnough;
    for (const double share :
         {lowFar ? 1 - edge - kOutside : NAN, highFar ? 1 + edge + kOutside : NAN}) {
        if (std::isnan(share)) continue;
        const std::optional<double> rho = known.ratioReaching(share);
        if (rho && *rho > floor && *rho < ceiling) return rho;
    }
    return std::nullopt;
}

// The bisection on the ratio, as written: halve [minimum, 1] until a
// middle's check lands within the band, keeping the ratios that carry.
// Most middles lie far from the band, and with `deduce` their standing is
// taken from the checks already made; only the middles close to the band
// are checked, and a few checks aimed just outside it, on either side,
// make those known early. The bisection then takes the very middles, and
// stops at the very ratio, that it takes checking every one. Nothing where
// a ratio taken to carry does not (the capacity did not rise with the
// ratio there).
std::optional<RatioCheck> bisectRatio(AreaChecks& checks, const RatioCheck& whole,
                                      const RatioCheck& least, bool deduce) {
    constexpr int kMostProbes = 8;
    const SolverInput& in = checks.in();
    Known known{in.e0 * in.eta == 0 ? 1e-9 : 0.005, {}, {}, {}, 0};
    if (deduce) {
        known.add(whole, in.Nj);
        known.add(least, in.Nj);
    }
    int probes = 0;
    double low = kMinimumRatio;
    double high = 1.0;
    std::optional<RatioCheck> atHigh = whole;  // the check of `high`, where made
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2;
        if (middle == low || middle == high) break;
        std::optional<Standing> standing = known.standingAt(middle);
        while (deduce && !standing && probes < kMostProbes) {
            const std::optional<double> probe = probeRatio(known);
            if (!probe) break;
            ++probes;
            known.add(checkRatio(checks, *probe), in.Nj);
            standing = known.standingAt(middle);
        }
        std::optional<RatioCheck> checked;
        if (!standing) {
            checked = checkRatio(checks, middle);
            if (deduce) known.add(*checked, in.Nj);
            standing = checked->standing;
        }
        if (*standing == Standing::Short) {
            low = middle;  // no answer counts as not carrying: only safe ratios are kept
            continue;
        }
        high = middle;
        atHigh = checked;
        if (*standing == Standing::Within) break;
    }
    if (!atHigh) {
        atHigh = checkRatio(checks, high);
        if (atHigh->standing != Standing::Above) return std::nullopt;
    }
    return atHigh;
}

}  // namespace

CalcStatus leastCarryingRatio(AreaChecks& checks, DesignSolution& solution) {
    const SolverInput& in = checks.in();
    const RatioCheck whole = checkRatio(checks, 1.0);
    if (!whole.landed) return statusOf(whole.end);
    if (whole.standing == Standing::Short) return CalcStatus::SectionTooSmall;

    const RatioCheck least = checkRatio(checks, kMinimumRatio);
    if (least.standing != Standing::Short) {
        solution = designFromCheck(in, least);
        return CalcStatus::Done;
    }
    std::optional<RatioCheck> found = bisectRatio(checks, whole, least, true);
    if (!found) found = bisectRatio(checks, whole, least, false);
    solution = designFromCheck(in, *found);
    return CalcStatus::Done;
}

}  // namespace pilaro
