#include "jtg3362/interaction_curve.h"

#include "jtg3362/section_of.h"

namespace pilaro::jtg3362 {

std::optional<InteractionCurve> interactionCurve(const Input& input, const Outcome& outcome) {
    if (outcome.status != Status::Done && outcome.status != Status::EnlargeSection)
        return std::nullopt;
    const Concrete* concrete = findConcrete(input.concrete);
    const Steel* steel = findSteel(input.steel);
    if (!concrete || !steel) return std::nullopt;
    const Result& r = outcome.result;
    const Section section = sectionOf(*concrete, *steel, input.D, input.a, r.As);

    InteractionCurve curve;
    curve.points.reserve(kCurveSteps - 1);
    for (int i = 1; i < kCurveSteps; ++i) {
        const SectionForces f = sectionForces(section, static_cast<double>(i) / kCurveSteps);
        curve.points.push_back({f.M, f.N});
    }
    curve.Nmax = r.Nmax;
    curve.load = {r.gamma0Nd * r.e, r.gamma0Nd};
    return curve;
}

}  // namespace pilaro::jtg3362
