#include "tests/web/parity_cases.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "engine/materials.h"

namespace pilaro::test {

namespace {

class Draw {
  public:
    double real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool chance(double p) { return real(0, 1) < p; }
    template <typename List>
    const auto& pick(const List& list) {
        return list[static_cast<std::size_t>(whole(0, static_cast<int>(list.size()) - 1))];
    }

  private:
    std::mt19937_64 engine_{20240522};
};

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

enum Field { Nj, Mj, D, A, L0, Ag };

// A pier or pile as an engineer types it.
ParityCase realistic(Draw& draw, bool check) {
    ParityCase c;
    c.option = check ? "optqd" : "optpj";
    c.concrete = std::string(draw.pick(concreteGrades()).text);
    c.steel = std::string(draw.pick(steelGrades()).text);
    const double d = 0.6 + 0.05 * draw.whole(0, 38);
    const double nj = draw.whole(300, 40000);
    c.texts[Nj] = fixed(nj, 0);
    c.texts[Mj] = fixed(draw.real(0, nj * d * 0.6), 1);
    c.texts[D] = fixed(d, 2);
    c.texts[A] = fixed(draw.real(0.03, 0.1), 3);
    c.texts[L0] = fixed(d * draw.real(0, 12), 1);     // slenderness l0/D up to 12
    const double area = 3.1415926 * d * d / 4 * 1e4;  // cm^2
    c.texts[Ag] = check ? fixed(draw.real(0.004, 0.04) * area, 3) : "";
    return c;
}

ParityCase nearAxial(Draw& draw) {
    ParityCase c = realistic(draw, draw.chance(0.5));
    const double nj = std::stod(c.texts[Nj]);
    const double d = std::stod(c.texts[D]);
    c.texts[Mj] = draw.chance(0.3) ? "0" : fixed(nj * d * draw.real(0, 0.04), 4);
    return c;
}

// Awkward texts: most are refused by the window's field reading, some are
// numbers after all (exponents, &H and &O, blanks) or bars.
ParityCase awkwardText(Draw& draw) {
    static const std::vector<std::string> kTexts = {"",
                                                    " ",
                                                    "abc",
                                                    "12.5kN",
                                                    "1,5",
                                                    "5000 kN",
                                                    "&H1F4",
                                                    "&o17",
                                                    "1e3",
                                                    "1D3",
                                                    "+5000",
                                                    "１２",
                                                    "1.2m",
                                                    "0.05 m",
                                                    "24D28",
                                                    "3e",
                                                    ".5.",
                                                    "--5",
                                                    "1e400",
                                                    "-0",
                                                    "0x10",
                                                    "\u3000 5000",
                                                    " 5 0 0 0 ",
                                                    "2E-3",
                                                    "&HFFFFFFFFFFFFFFFFFF",
                                                    "1.7976931348623159e308",
                                                    "4.9e-324",
                                                    "007"};
    ParityCase c = realistic(draw, draw.chance(0.5));
    const int field = draw.whole(0, static_cast<int>(kParityFields.size()) - 1);
    c.texts[static_cast<std::size_t>(field)] = draw.pick(kTexts);
    if (draw.chance(0.2)) c.concrete = "25";  // no entry: picks nothing, refused
    return c;
}

// Runs that end with a message.
ParityCase stopping(Draw& draw) {
    ParityCase c = realistic(draw, draw.chance(0.5));
    const double d = std::stod(c.texts[D]);
    switch (draw.whole(0, 12)) {
        case 0:  // no type chosen
            c.fresh = true;
            c.option.clear();
            break;
        case 1:  // no grade picked
            c.fresh = true;
            (draw.chance(0.5) ? c.concrete : c.steel).clear();
            break;
        case 2:
            c.texts[D] = "0";
            break;
        case 3:
            c.texts[Nj] = "0";
            break;
        case 4:
            c.texts[D] = "-" + c.texts[D];
            break;
        case 5:
            c.texts[A] = draw.chance(0.5) ? fixed(d / 2, 3) : "-0.01";
            break;
        case 6:
            c.texts[Nj] = "-" + c.texts[Nj];
            break;
        case 7:
            c.texts[L0] = "-5";
            break;
        case 8:
            c.option = "optqd";
            c.texts[Ag] = "-10";
            break;
        case 9:  // too slender: eta out of range
            c.texts[L0] = fixed(d * draw.real(30, 80), 1);
            break;
        case 10:  // no steel carries it
            c.texts[Nj] = fixed(draw.real(2e5, 2e6), 0);
            c.texts[D] = "0.3";
            c.texts[A] = "0.03";
            break;
        case 11:
            c.texts[static_cast<std::size_t>(draw.whole(0, 5))] = "1e400";
            break;
        default:
            c.texts[Mj] = "1e30";
            break;
    }
    return c;
}

}  // namespace

std::vector<ParityCase> parityCases() {
    Draw draw;
    std::vector<ParityCase> cases;
    for (int i = 0; i < 700; ++i) cases.push_back(realistic(draw, false));
    for (int i = 0; i < 700; ++i) cases.push_back(realistic(draw, true));
    for (int i = 0; i < 300; ++i) cases.push_back(nearAxial(draw));
    for (int i = 0; i < 300; ++i) cases.push_back(awkwardText(draw));
    for (int i = 0; i < 300; ++i) cases.push_back(stopping(draw));
    // Mixed, so that each run starts from the state the one before left.
    std::shuffle(cases.begin(), cases.end(), std::mt19937_64(7));
    cases.front().fresh = true;
    return cases;
}

}  // namespace pilaro::test
