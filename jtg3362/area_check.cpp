#include "jtg3362/area_check.h"

#include <algorithm>

#include "jtg3362/axial_limit.h"
#include "jtg3362/read_outs.h"

namespace pilaro::jtg3362 {

AreaCheck checkArea(const CheckSetting& setting, double As) {
    Section section = setting.section;
    section.As = As / 10000.0;
    AreaCheck check{};
    check.point = capacityAtEccentricity(section, setting.e);
    check.Nmax =
        axialLimit(section.fcd, setting.fsdCompression, section.A, section.As, setting.phi);
    check.rho = steelRatio(As, section.A);

    const double shownNu = shownValue(ReadOut::Nu, check.point.forces.N);
    const double shownNmax = shownValue(ReadOut::NuAxial, check.Nmax);
    const double least = std::min(shownNu, shownNmax);
    check.verdict = setting.gamma0Nd <= shownNu && setting.gamma0Nd <= shownNmax ? Verdict::Passes
                                                                                 : Verdict::Fails;
    if (least > 0) check.utilisation = setting.gamma0Nd / least;
    return check;
}

}  // namespace pilaro::jtg3362
