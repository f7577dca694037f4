#include "jtg3362/axial_limit.h"

namespace pilaro::jtg3362 {

double axialLimit(double fcd, double fsdCompression, double A, double As, double phi) {
    const double concreteArea = As / A > 0.03 ? A - As : A;
    return 0.9 * phi * (fcd * concreteArea + fsdCompression * As);
}

}  // namespace pilaro::jtg3362
