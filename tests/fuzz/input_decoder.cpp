#include "tests/fuzz/input_decoder.h"

#include <bit>
#include <cstdint>
#include <string>

#include "engine/materials.h"
#include "engine/number_parse.h"
#include "tests/robustness/awkward_inputs.h"

namespace pilaro::test {
namespace {

struct Range {
    double low;
    double high;
};

// Where the engineering values of each quantity lie.
Range typicalRange(Quantity q) {
    switch (q) {
        case Quantity::Mj:
            return {-2000, 8000};
        case Quantity::Nj:
            return {-5000, 30000};
        case Quantity::D:
            return {0.2, 4};
        case Quantity::a:
            return {0, 0.2};
        case Quantity::l0:
            return {0, 60};
        case Quantity::Ag:
            return {-50, 800};
        default:
            return {0, 0};
    }
}

double gradeValue(FuzzedDataProvider& bytes, Quantity q) {
    if (q == Quantity::Ra || q == Quantity::Eh) {
        const auto grades = concreteGrades();
        const ConcreteGrade& g =
            grades[bytes.ConsumeIntegralInRange<std::size_t>(0, grades.size() - 1)];
        return q == Quantity::Ra ? g.Ra : g.Eh;
    }
    const auto grades = steelGrades();
    const SteelGrade& g = grades[bytes.ConsumeIntegralInRange<std::size_t>(0, grades.size() - 1)];
    return q == Quantity::Rg ? g.Rg : g.Eg;
}

bool isMaterial(Quantity q) {
    return q == Quantity::Ra || q == Quantity::Eh || q == Quantity::Rg || q == Quantity::Eg;
}

}  // namespace

MaybeValue decodeValue(FuzzedDataProvider& bytes, Quantity q) {
    switch (bytes.ConsumeIntegralInRange<int>(0, 6)) {
        case 0:
            return std::nullopt;
        case 1:
            return std::bit_cast<double>(bytes.ConsumeIntegral<std::uint64_t>());
        case 2:
            return static_cast<double>(
                       bytes.ConsumeIntegralInRange<std::int64_t>(-100'000'000, 100'000'000)) /
                   1000.0;
        case 3: {
            const auto& numbers = test::awkwardNumbers();
            return numbers[bytes.ConsumeIntegralInRange<std::size_t>(0, numbers.size() - 1)];
        }
        case 4:
            return parseNumber(bytes.ConsumeRandomLengthString(40));
        case 5: {
            const auto& texts = test::awkwardFieldTexts();
            return parseNumber(
                texts[bytes.ConsumeIntegralInRange<std::size_t>(0, texts.size() - 1)]);
        }
        default: {
            if (isMaterial(q)) return gradeValue(bytes, q);
            const Range r = typicalRange(q);
            return bytes.ConsumeFloatingPointInRange(r.low, r.high);
        }
    }
}

CalcInput decodeInput(FuzzedDataProvider& bytes) {
    CalcInput in;
    in.type = static_cast<CalcType>(bytes.ConsumeIntegralInRange<int>(0, 2));
    in.Mj = decodeValue(bytes, Quantity::Mj);
    in.Nj = decodeValue(bytes, Quantity::Nj);
    in.D = decodeValue(bytes, Quantity::D);
    in.a = decodeValue(bytes, Quantity::a);
    in.l0 = decodeValue(bytes, Quantity::l0).value_or(0.0);
    in.Ag = in.type == CalcType::Check ? decodeValue(bytes, Quantity::Ag) : MaybeValue(0.0);
    in.Ra = decodeValue(bytes, Quantity::Ra);
    in.Eh = decodeValue(bytes, Quantity::Eh);
    in.Rg = decodeValue(bytes, Quantity::Rg);
    in.Eg = decodeValue(bytes, Quantity::Eg);
    return in;
}

SolverInput decodeSolverInput(FuzzedDataProvider& bytes) {
    auto any = [&bytes](Quantity q) { return decodeValue(bytes, q).value_or(0.0); };
    SolverInput in{};
    in.Nj = any(Quantity::Nj);
    in.D = any(Quantity::D);
    in.Ra = any(Quantity::Ra);
    in.Rg = any(Quantity::Rg);
    in.Eg = any(Quantity::Eg);
    in.g = any(Quantity::a);
    in.r = any(Quantity::D);
    in.e0 = any(Quantity::Mj);
    in.eta = any(Quantity::l0);
    return in;
}

}  // namespace pilaro::test
