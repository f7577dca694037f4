#include "jtg3362/section_of.h"

#include <numbers>

namespace pilaro::jtg3362 {

Section sectionOf(const Concrete& concrete, const Steel& steel, double D, double a, double As) {
    Section s{};
    s.fcd = concrete.fcd * 1000.0;
    s.fs = steel.fsSection() * 1000.0;
    s.r = D / 2.0;
    s.rs = s.r - a;
    s.A = std::numbers::pi * s.r * s.r;
    s.As = As / 10000.0;
    return s;
}

}  // namespace pilaro::jtg3362
