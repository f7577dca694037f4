// What both solvers read of one run: loads, materials and the derived
// quantities of the section.
#pragma once

namespace pilaro {

struct SolverInput {
    double Nj;   // kN
    double D;    // m
    double Ra;   // kPa
    double Rg;   // kPa
    double Eg;   // kPa
    double g;    // (D - 2a) / D
    double r;    // m
    double e0;   // m
    double eta;  // eccentricity amplification
};

}  // namespace pilaro
