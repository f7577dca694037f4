// A test case as the calculation's input.
#pragma once

#include "jtg3362/records.h"
#include "tests/jtg3362/reference.h"

namespace pilaro::jtg3362::test {

[[nodiscard]] inline Input inputOf(const Case& c, Task task) {
    Input in;
    in.task = task;
    in.concrete = c.concrete;
    in.steel = c.steel;
    in.gamma0 = c.gamma0;
    in.Nd = c.Nd;
    in.Md = c.Md;
    in.D = c.D;
    in.a = c.a;
    in.l0 = c.l0;
    in.As = task == Task::Check ? c.As : 0.0;
    return in;
}

inline constexpr const char* kConcretes[] = {"C25", "C30", "C35", "C40", "C45", "C50",
                                             "C55", "C60", "C65", "C70", "C75", "C80"};
inline constexpr const char* kSteels[] = {"HPB300", "HRB400", "HRBF400", "RRB400", "HRB500"};
inline constexpr double kGammas[] = {1.1, 1.0, 0.9};

}  // namespace pilaro::jtg3362::test
