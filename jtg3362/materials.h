// The concrete and steel grades of JTG 3362-2018 with their design
// strengths (MPa), and the least reinforcement ratio of each concrete.
#pragma once

#include <span>
#include <string_view>

namespace pilaro::jtg3362 {

struct Concrete {
    std::string_view text;  // as the list shows it, "C30"
    double fcd;             // axial compressive design strength, MPa
    double rhoMin;          // least ratio of the longitudinal steel, As / A
};

struct Steel {
    std::string_view text;  // "HRB400"
    double fsd;             // tensile design strength, MPa
    double fsdCompression;  // compressive design strength f'sd, MPa

    // The one strength the section's equations take: where the two differ
    // (HRB500), the lesser, which never overstates the section.
    [[nodiscard]] constexpr double fsSection() const {
        return fsd < fsdCompression ? fsd : fsdCompression;
    }
};

// In list order, C25 to C80 and HPB300 to HRB500.
[[nodiscard]] std::span<const Concrete> concreteGrades();
[[nodiscard]] std::span<const Steel> steelGrades();

// By the exact text of the list; nullptr when there is no such grade.
[[nodiscard]] const Concrete* findConcrete(std::string_view text);
[[nodiscard]] const Steel* findSteel(std::string_view text);

}  // namespace pilaro::jtg3362
