#include "engine/materials.h"

#include <array>

namespace pilaro {
namespace {

constexpr std::array<ConcreteGrade, 7> kConcrete = {{
    {"15号", 8500, 23000000},
    {"20号", 11000, 26000000},
    {"25号", 14500, 28500000},
    {"30号", 17500, 30000000},
    {"40号", 23000, 33000000},
    {"50号", 28500, 35000000},
    {"60号", 32500, 36500000},
}};

// The Roman numerals are the single characters U+2160..U+2163, not Latin letters.
constexpr std::array<SteelGrade, 5> kSteel = {{
    {"\u2160级", 240000, 210000000},
    {"\u2161级", 340000, 200000000},
    {"\u2162级", 380000, 200000000},
    {"\u2163级", 550000, 200000000},
    {"5号", 280000, 200000000},
}};

template <typename Row>
const Row* findRow(std::span<const Row> rows, std::string_view text) {
    for (const Row& row : rows)
        if (row.text == text) return &row;
    return nullptr;
}

}  // namespace

std::span<const ConcreteGrade> concreteGrades() {
    return kConcrete;
}
std::span<const SteelGrade> steelGrades() {
    return kSteel;
}

const ConcreteGrade* findConcreteGrade(std::string_view text) {
    return findRow(concreteGrades(), text);
}

const SteelGrade* findSteelGrade(std::string_view text) {
    return findRow(steelGrades(), text);
}

}  // namespace pilaro
