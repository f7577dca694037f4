// Three sections worked by hand, step by step as an engineer checks a
// sheet, and the read-outs the program shows for them.
#include <gtest/gtest.h>

#include <numbers>

#include "jtg3362/read_outs.h"
#include "jtg3362/run.h"

namespace pilaro::jtg3362 {
namespace {

std::string text(const ReadOutTexts& texts, ReadOut id) {
    return texts[readOutIndex(id)];
}

// A stocky column: C30, HRB400, γ0 = 1.0, Nd = 3000 kN, Md = 600 kN m,
// D = 1.0 m, a = 0.05 m, l0 = 4.0 m, 24D25.
//   r = 0.5, rs = 0.45, A = π 0.25 = 0.785398 m^2;
//   As = 24 π 25² / 4 mm^2 = 117.810 cm^2, ρ = 1.50 %.
//   e0 = 600 / 3000 = 0.200 m > max(0.02, 1.0 / 30 = 0.0333): no floor.
//   l0 / i = 4.0 / 0.25 = 16 <= 17.5: η = 1, e = 0.200 m.
//   fcd A = 13800 x 0.785398 = 10838.49 kN; fs As = 330000 x 0.0117810 = 3887.72 kN.
//   Trial α = 0.574878: αt = 1.25 - 2α = 0.100244; sin 2πα / 2πα = -0.125498;
//     N = 0.574878 x 10838.49 x 1.125498 + (0.574878 - 0.100244) x 3887.72
//       = 7012.77 + 1845.25 = 8858.02 kN;
//     M = 1057.58 + 714.03 = 1771.60 kN m; M / N = 0.2000 = e.
//   l0 / D = 4 <= 7: φ = 1; ρ <= 3 %: A' = A;
//     Nmax = 0.9 x 1 x (10838.49 + 3887.72) = 13253.59 kN.
//   γ0 Nd = 3000 <= 8858.01: 通过验算！, utilisation 3000 / 8858.01 = 0.3387 -> 0.339.
TEST(Jtg3362WorkedExamples, StockyColumnCheck) {
    const double As = 24 * std::numbers::pi * 25 * 25 / 400;
    Input in{Task::Check, "C30", "HRB400", 1.0, 3000, 600, 1.0, 0.05, 4.0, As, 24};
    const Outcome out = run(in);
    ASSERT_EQ(out.status, Status::Done);
    EXPECT_FALSE(out.result.etaConsidered);
    EXPECT_FALSE(out.result.e0AtFloor);
    const ReadOutTexts t = readOuts(in.task, out);
    EXPECT_EQ(text(t, ReadOut::E0), "0.2000");
    EXPECT_EQ(text(t, ReadOut::Eta), "1.0000");
    EXPECT_EQ(text(t, ReadOut::Alpha), "0.5749");
    EXPECT_EQ(text(t, ReadOut::AlphaT), "0.1002");
    EXPECT_EQ(text(t, ReadOut::Nu), "8858.01");
    EXPECT_EQ(text(t, ReadOut::Mu), "1771.60");
    EXPECT_EQ(text(t, ReadOut::Phi), "1.0000");
    EXPECT_EQ(text(t, ReadOut::NuAxial), "13253.59");
    EXPECT_EQ(text(t, ReadOut::Utilisation), "0.339");
    EXPECT_EQ(text(t, ReadOut::RhoGiven), "0.0150");
    EXPECT_EQ(text(t, ReadOut::Verdict), "通过验算！");
}

// A slender pier of HRB500, safety grade 一: C40, γ0 = 1.1, Nd = 6000 kN,
// Md = 900 kN m, D = 1.5 m, a = 0.07 m, l0 = 12 m, 32D28.
//   r = 0.75, rs = 0.68, h0 = r + rs = 1.43, A = 1.767146 m^2;
//   As = 32 π 28² / 4 mm^2 = 197.041 cm^2, ρ = 1.115 %.
//   e0 = 900 / 6000 = 0.150 m > max(0.02, 0.05).
//   l0 / i = 12 / 0.375 = 32 > 17.5: ζ1 = 0.2 + 2.7 x 0.15 / 1.43 = 0.483217;
//     ζ2 = min(1, 1.15 - 0.01 x 8) = 1; η = 1 + 8² x 0.483217 / (1300 x 0.15 / 1.43)
//     = 1.226790; e = 0.184018 m.
//   fs = min(415, 400) = 400 MPa.
//   Trial α = 0.636249 >= 0.625: αt = 0; sin 2πα / 2πα = -0.188929;
//     N = 24596.49 + 0.636249 x 400000 x 0.0197041 = 24596.49 + 5014.68 = 29611.16 kN;
//     M = 3896.93 + 1552.07 = 5449.00 kN m; M / N = 0.184018 = e.
//   l0 / D = 8: φ = 1 + (0.98 - 1) x (8 - 7) / 1.5 = 0.986667;
//     Nmax = 0.9 x 0.986667 x (18400 x 1.767146 + 400000 x 0.0197041) = 35872.63 kN.
//   γ0 Nd = 6600 <= 29611.16: 通过验算！, utilisation 6600 / 29611.16 = 0.2229 -> 0.223.
TEST(Jtg3362WorkedExamples, SlenderPierOfHrb500Check) {
    const double As = 32 * std::numbers::pi * 28 * 28 / 400;
    Input in{Task::Check, "C40", "HRB500", 1.1, 6000, 900, 1.5, 0.07, 12.0, As, 32};
    const Outcome out = run(in);
    ASSERT_EQ(out.status, Status::Done);
    const ReadOutTexts t = readOuts(in.task, out);
    EXPECT_EQ(text(t, ReadOut::DesignLoad), "6600.00");
    EXPECT_EQ(text(t, ReadOut::Slenderness), "32.00");
    EXPECT_EQ(text(t, ReadOut::Zeta1), "0.4832");
    EXPECT_EQ(text(t, ReadOut::Zeta2), "1.0000");
    EXPECT_EQ(text(t, ReadOut::Eta), "1.2268");
    EXPECT_EQ(text(t, ReadOut::E), "0.1840");
    EXPECT_EQ(text(t, ReadOut::Alpha), "0.6362");
    EXPECT_EQ(text(t, ReadOut::AlphaT), "0.0000");
    EXPECT_EQ(text(t, ReadOut::Nu), "29611.16");
    EXPECT_EQ(text(t, ReadOut::Mu), "5449.00");
    EXPECT_EQ(text(t, ReadOut::Phi), "0.9866");
    EXPECT_EQ(text(t, ReadOut::NuAxial), "35872.63");
    EXPECT_EQ(text(t, ReadOut::Utilisation), "0.223");
}

// A design where the moment governs: C35, HRB400, γ0 = 1.0, Nd = 4000 kN,
// Md = 2400 kN m, D = 1.2 m, a = 0.06 m, l0 = 6 m.
//   r = 0.6, rs = 0.54, h0 = 1.14, A = 1.130973 m^2; e0 = 0.600 m.
//   l0 / i = 20 > 17.5: ζ1 = min(1, 0.2 + 2.7 x 0.6 / 1.14) = 1, ζ2 = 1;
//     η = 1 + 5² / (1300 x 0.6 / 1.14) = 1.036538; e = 0.621923 m.
//   With N = 4000 the first equation gives As for each α:
//     As = (4000 - α fcd A (1 - sin 2πα / 2πα)) / ((α - αt) fs);
//   the second, M(α) = 4000 e, then holds at α = 0.361911, αt = 0.526178:
//     As = 69.9755 cm^2; N = 4379.31 - 379.32 = 3999.99, M = 1731.96 + 755.73 = 2487.69.
//   Above ρmin A = 0.005 x 11309.73 = 56.55 cm^2: As = 69.98 cm^2 on the 0.01 grid.
//   Bars: ceil(69.98 / (π d² / 400)), at least 8: D12 62, D20 23, D28 12, D32 9,
//     D36 6.88 -> 8, D40 5.57 -> 8.
TEST(Jtg3362WorkedExamples, DesignWhereTheMomentGoverns) {
    Input in{Task::Design, "C35", "HRB400", 1.0, 4000, 2400, 1.2, 0.06, 6.0, 0, {}};
    const Outcome out = run(in);
    ASSERT_EQ(out.status, Status::Done);
    const ReadOutTexts t = readOuts(in.task, out);
    EXPECT_EQ(text(t, ReadOut::Eta), "1.0366");
    EXPECT_EQ(text(t, ReadOut::AgRequired), "69.98");
    EXPECT_EQ(text(t, ReadOut::Rho), "0.0062");
    EXPECT_EQ(text(t, ReadOut::Alpha), "0.3619");
    EXPECT_EQ(text(t, ReadOut::D12), "62");
    EXPECT_EQ(text(t, ReadOut::D20), "23");
    EXPECT_EQ(text(t, ReadOut::D28), "12");
    EXPECT_EQ(text(t, ReadOut::D32), "9");
    EXPECT_EQ(text(t, ReadOut::D36), "8");
    EXPECT_EQ(text(t, ReadOut::D40), "8");
    EXPECT_EQ(text(t, ReadOut::Verdict), "通过验算！");
}

}  // namespace
}  // namespace pilaro::jtg3362
