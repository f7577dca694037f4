// What a calculation under JTG 3362-2018 reads and what it produces.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "engine/calculation.h"
#include "messages/jtg3362_outcomes.h"

namespace pilaro::jtg3362 {

enum class Task {
    Check,   // the given steel: its capacities and verdict
    Design,  // the least steel that passes
};

// kN, kN m, m; the given area in cm^2.
struct Input {
    Task task = Task::Design;
    std::string concrete;  // "C30", as the list shows it
    std::string steel;     // "HRB400"
    double gamma0 = 1.0;   // the importance factor: 1.1, 1.0 or 0.9
    double Nd = 0.0;       // design axial force, compression positive
    double Md = 0.0;       // design moment; its sign is of no account
    double D = 0.0;        // diameter
    double a = 0.0;        // from the surface to the bars' centres
    double l0 = 0.0;       // effective length
    double As = 0.0;       // a check's given area of longitudinal steel, cm^2
    // A check's number of bars, when the area was given as bars (24D28);
    // nothing when it was typed as a number.
    std::optional<long long> bars;
};

inline constexpr std::size_t kBarSizeCount = 11;

// Every quantity the sheet prints, unrounded: the read-outs round them
// (jtg3362/read_outs.h).
struct Result {
    double gamma0Nd = 0.0;  // the design load, kN
    double l0OverD = 0.0;
    double e0 = 0.0;              // m, after the floor
    bool e0AtFloor = false;       // |Md| / Nd was below max(0.02 m, D / 30)
    double slenderness = 0.0;     // l0 / i, i = D / 4
    bool etaConsidered = false;   // l0 / i > 17.5
    std::optional<double> zeta1;  // where η is considered
    std::optional<double> zeta2;
    double eta = 1.0;
    double e = 0.0;  // η e0, m
    // The state on the load's line and its resistance.
    double alpha = 0.0;
    double alphaT = 0.0;
    double Nud = 0.0;  // kN
    double Mud = 0.0;  // kN m
    double phi = 1.0;
    double Nmax = 0.0;  // kN
    // γ0 Nd over the lesser shown capacity; nothing when that shows as 0.
    std::optional<double> utilisation;
    Verdict verdict = Verdict::None;
    // The given area (a check), the design's area, or, where the section
    // must be enlarged, the area at 5 % that the capacities belong to; cm^2.
    double As = 0.0;
    double rho = 0.0;  // As / A
    // A design's number of bars of each size of jtg3362/bars.h; whole
    // numbers, at least 8.
    std::array<double, kBarSizeCount> barCounts{};
};

// The statuses of a run (Status) are defined with their messages in
// messages/jtg3362_outcomes.h.

struct Outcome {
    Status status = Status::Done;
    // Filled on Done and EnlargeSection; on SlendernessBeyondTable only
    // l0OverD, which its message names.
    Result result;
};

}  // namespace pilaro::jtg3362
