// The resistance of a circular section with its bars evenly round a circle
// (JTG 3362-2018, 5.3.9), as a function of α, the central angle of the
// compressed concrete over 2π.
#pragma once

namespace pilaro::jtg3362 {

struct Section {
    double fcd;  // concrete design strength, kPa
    double fs;   // steel design strength of the equations, kPa
    double r;    // radius, m
    double rs;   // radius of the circle through the bars' centres, m
    double A;    // area of the section, pi r^2, m^2
    double As;   // total area of the longitudinal steel, m^2
};

struct SectionForces {
    double alphaT;  // the share of the steel in tension
    double N;       // axial resistance, kN (compression positive)
    double M;       // moment resistance, kN m
};

// αt = 1.25 - 2α below α = 0.625, else 0;
// N = α fcd A (1 - sin 2πα / 2πα) + (α - αt) fs As;
// M = (2/3) fcd A r sin³πα / π + fs As rs (sin πα + sin παt) / π.
// For 0 < α <= 1. N rises strictly with α, from -1.25 fs As towards
// fcd A + fs As.
[[nodiscard]] SectionForces sectionForces(const Section& section, double alpha);

}  // namespace pilaro::jtg3362
