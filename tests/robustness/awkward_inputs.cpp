#include "tests/robustness/awkward_inputs.h"

#include <cmath>
#include <limits>

#include "engine/materials.h"
#include "engine/number_parse.h"

namespace pilaro::test {

const std::vector<std::string>& awkwardFieldTexts() {
    static const std::vector<std::string> texts = {
        "",
        "   ",
        "abc",
        "1,5",
        "1.200,50",
        "&HFFFF",
        "&hffffffffffffffffffff",
        "&O777",
        "&O99",
        "&H",
        "&",
        "-&H10",
        "1e400",
        "-1e400",
        "1e-400",
        "4.9e-324",
        "1D308",
        "1.7976931348623157e308",
        "1e99999999999999999999",
        "--5",
        "+-5",
        "-",
        "+",
        ".",
        "-.",
        ".e5",
        "1.2.3",
        "1 200",
        " 1 2 0 0 ",
        "1\t5\n0",
        "12.5kN",
        "5000 kN",
        "0.05m",
        "-0",
        "+.5e-3",
        "2e3",
        "1e",
        "1e+",
        "NaN",
        "inf",
        "Infinity",
        "0x1p3",
        "１２",      // full-width digits
        "\xd9\xa3",  // an Arabic-Indic digit
        "1\xc2\xa0"
        "5",  // a no-break space inside the number
        "\xe2\x88\x92"
        "5",  // a minus sign that is not the hyphen
        std::string(5000, '9'),
        "1" + std::string(400, '0'),
        "0." + std::string(400, '0') + "1",
        std::string(2000, ' ') + "7",
        "7" + std::string(100000, 'x'),
    };
    return texts;
}

const std::vector<double>& awkwardNumbers() {
    using limits = std::numeric_limits<double>;
    static const std::vector<double> numbers = {
        0.0,
        -0.0,
        limits::denorm_min(),
        -limits::denorm_min(),
        limits::min(),
        limits::max(),
        -limits::max(),
        limits::infinity(),
        -limits::infinity(),
        limits::quiet_NaN(),
        limits::epsilon(),
        1e-300,
        1e300,
        1e-9,
        1e9,
        -1,
        1,
        7,
        0.6,
        4.2,
        0.625,
        1.5,
        0.55,
        65535,
        9007199254740991.0,
    };
    return numbers;
}

double InputStream::uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
}

bool InputStream::chance(double p) {
    return uniform(0, 1) < p;
}

// A field's value: mostly the realistic one, else typed text, an edge
// number, a wild magnitude of either sign, or never set.
MaybeValue InputStream::field(double realistic) {
    const double pick = uniform(0, 1);
    if (pick < 0.35) return realistic;
    if (pick < 0.70) {
        const auto& texts = awkwardFieldTexts();
        return parseNumber(texts[random_() % texts.size()]);
    }
    if (pick < 0.82) {
        const auto& numbers = awkwardNumbers();
        return numbers[random_() % numbers.size()];
    }
    if (pick < 0.94) return (chance(0.5) ? -1 : 1) * std::pow(10.0, uniform(-320, 308));
    if (pick < 0.97) return -realistic;
    return std::nullopt;
}

CalcInput InputStream::realisticSection() {
    CalcInput in;
    in.type = chance(0.5) ? CalcType::Design : CalcType::Check;
    const double D = uniform(0.3, 3.0);
    in.D = D;
    in.a = uniform(0.02, 0.15);
    in.l0 = uniform(0, 45);
    in.Nj = uniform(50, 20000);
    in.Mj = uniform(0, 5000);
    in.Ag = in.type == CalcType::Check ? uniform(1, 600) : 0.0;
    const ConcreteGrade& c = concreteGrades()[random_() % concreteGrades().size()];
    const SteelGrade& s = steelGrades()[random_() % steelGrades().size()];
    in.Ra = c.Ra;
    in.Eh = c.Eh;
    in.Rg = s.Rg;
    in.Eg = s.Eg;
    return in;
}

CalcInput InputStream::next() {
    CalcInput in = realisticSection();
    if (chance(0.08)) return in;

    if (chance(0.02)) in.type = CalcType::None;
    in.Mj = field(*in.Mj);
    in.Nj = field(*in.Nj);
    in.D = field(*in.D);
    in.a = field(*in.a);
    in.l0 = field(in.l0).value_or(0.0);
    // The window reads the given area only in Check.
    if (in.type == CalcType::Check) in.Ag = field(*in.Ag);
    // A grade is chosen whole or not at all, but the run must cope with any
    // material values.
    if (chance(0.05)) in.Ra = in.Eh = std::nullopt;
    if (chance(0.05)) in.Rg = in.Eg = std::nullopt;
    if (chance(0.1)) {
        in.Ra = field(*in.Ra);
        in.Eh = field(*in.Eh);
        in.Rg = field(*in.Rg);
        in.Eg = field(*in.Eg);
    }
    return in;
}

}  // namespace pilaro::test
