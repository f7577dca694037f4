// The concrete and steel grades the user can choose, with their design
// strengths and elastic moduli in whole kPa.
#pragma once

#include <span>
#include <string_view>

namespace pilaro {

struct ConcreteGrade {
    std::string_view text;  // UTF-8, as shown in the list
    double Ra;              // design strength, kPa
    double Eh;              // elastic modulus, kPa
};

struct SteelGrade {
    std::string_view text;
    double Rg;
    double Eg;
};

// In list order.
[[nodiscard]] std::span<const ConcreteGrade> concreteGrades();
[[nodiscard]] std::span<const SteelGrade> steelGrades();

// Exact, code-unit-by-code-unit match of the list text; nullptr when none.
[[nodiscard]] const ConcreteGrade* findConcreteGrade(std::string_view text);
[[nodiscard]] const SteelGrade* findSteelGrade(std::string_view text);

}  // namespace pilaro
