#include "jtg3362/run.h"

#include <cmath>
#include <initializer_list>
#include <optional>

#include "jtg3362/area_check.h"
#include "jtg3362/bars.h"
#include "jtg3362/design_area.h"
#include "jtg3362/eccentricity.h"
#include "jtg3362/materials.h"
#include "jtg3362/section_of.h"
#include "jtg3362/stability.h"

namespace pilaro::jtg3362 {
namespace {

// The safety grades 一, 二 and 三.
bool isImportanceFactor(double gamma0) {
    return gamma0 == 1.1 || gamma0 == 1.0 || gamma0 == 0.9;
}

// γ0 Nd as the decimal product: 1.1 x 6000 is 6600, where the double
// product is 6600.000000000001.
double designLoad(double gamma0, double Nd) {
    const long tenths = std::lround(gamma0 * 10.0);
    return tenths == 10 ? Nd : Nd * static_cast<double>(tenths) / 10.0;
}

std::optional<Status> refusal(const Input& in) {
    if (!isImportanceFactor(in.gamma0)) return Status::ImportanceFactorNotAllowed;
    const Concrete* concrete = findConcrete(in.concrete);
    if (!concrete) return Status::UnknownConcrete;
    const Steel* steel = findSteel(in.steel);
    if (!steel) return Status::UnknownSteel;

    const bool check = in.task == Task::Check;
    for (auto [value, status] : {std::pair{in.Nd, Status::AxialForceNotFinite},
                                 {in.Md, Status::MomentNotFinite},
                                 {in.D, Status::DiameterNotFinite},
                                 {in.a, Status::CoverNotFinite},
                                 {in.l0, Status::LengthNotFinite},
                                 {check ? in.As : 0.0, Status::AreaNotFinite}})
        if (!std::isfinite(value)) return status;

    if (!(in.D > 0)) return Status::DiameterNotPositive;
    if (!(in.a > 0 && in.a < in.D / 2.0)) return Status::CoverOutsideSection;
    if (!(in.Nd > 0)) return Status::AxialForceNotPositive;
    if (in.l0 < 0) return Status::NegativeLength;
    if (!check) return std::nullopt;
    if (in.As < 0) return Status::NegativeArea;
    if (in.As / 10000.0 > sectionOf(*concrete, *steel, in.D, in.a, 0.0).A)
        return Status::AreaAboveSection;
    if (in.bars && static_cast<double>(*in.bars) < kFewestBars) return Status::TooFewBars;
    return std::nullopt;
}

void fillCheck(const AreaCheck& check, Result& r) {
    r.alpha = check.point.alpha;
    r.alphaT = check.point.forces.alphaT;
    r.Nud = check.point.forces.N;
    r.Mud = check.point.forces.M;
    r.Nmax = check.Nmax;
    r.rho = check.rho;
    r.utilisation = check.utilisation;
    r.verdict = check.verdict;
}

bool allFinite(const Result& r) {
    for (double v : {r.gamma0Nd, r.l0OverD, r.e0, r.slenderness, r.zeta1.value_or(0.0),
                     r.zeta2.value_or(0.0), r.eta, r.e, r.alpha, r.alphaT, r.Nud, r.Mud, r.phi,
                     r.Nmax, r.utilisation.value_or(0.0), r.As, r.rho})
        if (!std::isfinite(v)) return false;
    for (double n : r.barCounts)
        if (!std::isfinite(n)) return false;
    return true;
}

Outcome outOfRange() {
    return {Status::ResultOutOfRange, {}};
}

}  // namespace

Outcome run(const Input& in) {
    if (const std::optional<Status> status = refusal(in)) return {*status, {}};
    const Concrete& concrete = *findConcrete(in.concrete);
    const Steel& steel = *findSteel(in.steel);

    Outcome outcome;
    Result& r = outcome.result;
    r.l0OverD = in.l0 / in.D;
    const std::optional<double> phi = stabilityFactor(r.l0OverD);
    if (!phi) {
        outcome.status =
            std::isfinite(r.l0OverD) ? Status::SlendernessBeyondTable : Status::ResultOutOfRange;
        return outcome;
    }
    r.phi = *phi;

    const Section section = sectionOf(concrete, steel, in.D, in.a, 0.0);
    if (!(section.A > 0) || !std::isfinite(section.A)) return outOfRange();
    const Eccentricity x = eccentricity(in.Nd, in.Md, in.D, section.rs, in.l0);
    r.gamma0Nd = designLoad(in.gamma0, in.Nd);
    r.e0 = x.e0;
    r.e0AtFloor = x.e0AtFloor;
    r.slenderness = x.slenderness;
    r.etaConsidered = x.etaConsidered;
    r.zeta1 = x.zeta1;
    r.zeta2 = x.zeta2;
    r.eta = x.eta;
    r.e = x.e;

    const CheckSetting setting{section, x.e, r.phi, steel.fsdCompression * 1000.0, r.gamma0Nd};
    if (in.task == Task::Check) {
        r.As = in.As;
        fillCheck(checkArea(setting, in.As), r);
    } else {
        const std::optional<DesignAnswer> answer = designArea(setting, concrete.rhoMin);
        if (!answer) return outOfRange();
        r.As = answer->As;
        fillCheck(answer->check, r);
        if (answer->enlarge) {
            outcome.status = Status::EnlargeSection;
        } else {
            r.barCounts = barCounts(r.As);
        }
    }
    if (!allFinite(r)) return outOfRange();
    return outcome;
}

}  // namespace pilaro::jtg3362
