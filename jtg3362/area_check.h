// One area of steel checked against the load: the capacities, the axial
// limit, the utilisation and the verdict. The check and every trial of the
// design go through it.
#pragma once

#include <optional>

#include "engine/calculation.h"
#include "jtg3362/eccentric_capacity.h"

namespace pilaro::jtg3362 {

// What every trial area of one run shares.
struct CheckSetting {
    Section section;        // As is the trial's
    double e;               // η e0, m
    double phi;             // stability factor
    double fsdCompression;  // f'sd, kPa
    double gamma0Nd;        // kN
};

struct AreaCheck {
    CapacityPoint point;
    double Nmax;  // kN
    double rho;   // As / A
    std::optional<double> utilisation;
    Verdict verdict;
};

// As / A of an area in cm^2 on a section of A m^2, as every check takes it.
[[nodiscard]] inline double steelRatio(double As, double A) {
    return As / 10000.0 / A;
}

// The area in cm^2. Passes when γ0 Nd is at most both capacities as their
// read-outs show them (rounded down), so that the verdict and the
// utilisation (γ0 Nd over the lesser shown capacity; nothing when that
// shows as 0) never contradict the figures beside them.
[[nodiscard]] AreaCheck checkArea(const CheckSetting& setting, double As);

}  // namespace pilaro::jtg3362
