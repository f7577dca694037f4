#include "jtg3362/materials.h"

#include <algorithm>
#include <array>

namespace pilaro::jtg3362 {
namespace {

// The least ratio is 0.5 % up to C45 and 0.6 % from C50.
constexpr std::array<Concrete, 12> kConcrete = {{
    {"C25", 11.5, 0.005},
    {"C30", 13.8, 0.005},
    {"C35", 16.1, 0.005},
    {"C40", 18.4, 0.005},
    {"C45", 20.5, 0.005},
    {"C50", 22.4, 0.006},
    {"C55", 24.4, 0.006},
    {"C60", 26.5, 0.006},
    {"C65", 28.5, 0.006},
    {"C70", 30.5, 0.006},
    {"C75", 32.4, 0.006},
    {"C80", 34.6, 0.006},
}};

constexpr std::array<Steel, 5> kSteel = {{
    {"HPB300", 250, 250},
    {"HRB400", 330, 330},
    {"HRBF400", 330, 330},
    {"RRB400", 330, 330},
    {"HRB500", 415, 400},
}};

template <typename Row>
const Row* findRow(std::span<const Row> rows, std::string_view text) {
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.text == text; });
    return row == rows.end() ? nullptr : &*row;
}

}  // namespace

std::span<const Concrete> concreteGrades() {
    return kConcrete;
}

std::span<const Steel> steelGrades() {
    return kSteel;
}

const Concrete* findConcrete(std::string_view text) {
    return findRow(concreteGrades(), text);
}

const Steel* findSteel(std::string_view text) {
    return findRow(steelGrades(), text);
}

}  // namespace pilaro::jtg3362
