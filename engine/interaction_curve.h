// The N-M interaction curve of a section and steel ratio, in the check's
// own terms: each state of the section, evaluated as the check evaluates
// its trials, gives an axial resistance N and the moment N * eq at the
// eccentricity eq that the check compares with the loads'.
#pragma once

#include <vector>

#include "engine/solver_input.h"

namespace pilaro {

struct CurvePoint {
    double xi;  // relative depth of the neutral axis
    double N;   // kN
    double M;   // kN m, about the centre (eta * Mq of a check in this state)
};

// From the top of the curve (the state of smallest eccentricity, where a
// check of a load below every state's eccentricity ends) down to the
// smallest axial force of 0 < xi <= top, in that order. Sampled on a grid
// of xi and refined where the curve bends, so that the points drawn as a
// polyline look smooth. Empty where the section has no state of positive
// eccentricity in compression.
[[nodiscard]] std::vector<CurvePoint> interactionCurve(const SolverInput& in, double rho);

// A load case in the curve's terms: Nj up, the amplified moment eta * |Mj|
// across. It lies inside the curve exactly when its check passes.
struct LoadPoint {
    double N;  // kN
    double M;  // kN m
};
[[nodiscard]] LoadPoint loadPoint(const SolverInput& in);

}  // namespace pilaro
