#include "bench/named_cases.h"

#include <array>

namespace pilaro {
namespace {

// Rows of the material tables.
constexpr std::size_t k15 = 0, k20 = 1, k25 = 2, k30 = 3, k40 = 4, k50 = 5, k60 = 6;    // concrete
constexpr std::size_t kGrade1 = 0, kGrade2 = 1, kGrade3 = 2, kGrade4 = 3, kGrade5 = 4;  // steel

// D, a, l0, Nj, Mj, Ag, concrete, steel. The "found" cases come from
// `pilaro_worst_inputs 20000 7` (20000 random sections per road).
constexpr std::array<NamedCase, 12> kCases = {{
    // Worked examples: 36, 8, 30 and 49 trials.
    {"design_example_Mj1500", {1.2, 0.05, 10, 5000, 1500, 0, k25, kGrade2}},
    {"design_example_Mj3000", {1.2, 0.05, 10, 5000, 3000, 0, k25, kGrade2}},
    {"check_example_Nj5000", {1.2, 0.05, 10, 5000, 1500, 45.239, k25, kGrade2}},
    {"check_example_Nj8000", {1.2, 0.05, 10, 8000, 3000, 45.239, k25, kGrade2}},
    // Found: the most trials of a search that lands on the grid as written.
    {"design_slowest_landing", {0.58, 0.049, 15.2, 20, 36.3, 0, k15, kGrade5}},
    {"check_slowest_landing", {2.3, 0.03, 60.1, 1240, 50, 1497.342, k40, kGrade3}},
    // Circles its solution for ever; landed by bisection of the cycle.
    {"design_circling_D1_8", {1.8, 0.05, 15, 500, 1500, 0, k50, kGrade2}},
    // Run away, then the bracket scan of 0 < xi <= 1.5: the known example
    // and the slowest found (the slowest once the searches below stop
    // running to the cap).
    {"design_drifting", {1.06, 0.032, 31.1, 256, 1259.2, 0, k25, kGrade5}},
    {"design_drifting_found", {0.52, 0.068, 9.6, 1789, 13.4, 0, k15, kGrade5}},
    // Found: circle between xi = 1 and 1.5, where the stress-block factor
    // follows the accumulated xi and never repeats to the last bit; the
    // cycle is recognised on grid indices and bisected.
    {"design_circling_1_to_1_5", {1.05, 0.046, 6, 7902, 97.7, 0, k15, kGrade5}},
    {"check_circling_1_to_1_5", {0.87, 0.037, 17.8, 624, 5.6, 98.742, k20, kGrade2}},
    // Constructed: a circling section with Nj and Mj scaled together until
    // one trial of the cycle lies a hair outside the band, so that the
    // cycle cannot be ruled out: the written steps are followed up to the
    // cap, evaluating only the trials near the band's edge.
    {"design_band_edge_to_cap",
     {0.93, 0.063, 3.4, 246.72191581610483, 13.796286721145453, 0, k40, kGrade3}},
}};

constexpr std::array<NamedCase, 11> kEdgeCases = {{
    // The worked design with its own check: one check run more.
    {"design_example_checked", {1.2, 0.05, 10, 5000, 3000, 0, k25, kGrade2}},
    // A pier under axial force alone: the written search lands on a false
    // root; the ratio is bisected, each step a check at the top of the curve.
    {"design_axial_bisected", {1.2, 0.05, 5, 30000, 0, 0, k25, kGrade2}},
    // Nearly axial: each check of the bisection runs away before it finds
    // the top of the curve.
    {"design_near_axial_bisected", {1.12, 0.054, 3.8, 21290, 443.6, 0, k25, kGrade5}},
    {"check_axial_top", {1.2, 0.05, 10, 5000, 0, 45.239, k25, kGrade2}},
    {"check_near_axial_top", {1.2, 0.05, 10, 5000, 10, 45.239, k25, kGrade2}},
    // Found by pilaro_edge_runs: the slowest near-axial run, a design whose
    // written search circles beyond xi = 1.5 and whose ratio is bisected.
    {"design_near_axial_slowest", {0.76, 0.032, 2, 18559, 197.2, 0, k60, kGrade4}},
    // Found by pilaro_worst_inputs: cycles passing near the band's edge,
    // followed to the trial cap as written.
    {"design_circling_to_cap", {0.89, 0.033, 9.5, 59, 18.3, 0, k20, kGrade1}},
    {"check_circling_to_cap", {1.15, 0.058, 28.7, 175, 412.6, 104.853, k25, kGrade2}},
    // Found by pilaro_edge_runs among realistic runs: a slender design
    // under a small load whose written search runs away downwards.
    {"design_running_away_down", {1.23, 0.069, 41, 300, 4.3, 0, k50, kGrade1}},
    // Ⅳ级 steel near the axis: the written search climbs to a pole of the
    // design's ratio beyond xi = 5 and circles it, and each check of the
    // least ratio walks up to past full compression.
    {"design_near_axial_grade_IV", {0.6, 0.08, 5, 4269, 33.4, 0, k25, kGrade4}},
    {"design_near_axial_grade_IV_found", {1.03, 0.065, 17.6, 11140, 2.3, 0, k25, kGrade4}},
}};

// The slowest inputs found, of any size (pilaro_edge_runs' search of
// absurd inputs, and near-axial runs): many of them end without a result.
constexpr std::array<NamedCase, 6> kWorstInputs = {{
    // A design 3.6 mm across: its least ratio checks ratios whose areas
    // report as 0.000 cm^2, checks of plain concrete that step down from
    // 0.55 to the drift bound (249 ms once).
    {"design_3_6_mm",
     {0.0035527635981391155, 0.00052441777315856658, 0.0012774532892148355, 0.0047152807364255799,
      1.5450342343005845e-05, 0, k50, kGrade3}},
    {"design_0_33_mm_not_converging",
     {0.00032683761766658879, 1.4192563425761799e-05, 0, 2996032.5104280161, 143252.96157446946, 0,
      k25, kGrade1}},
    // A 12.5 m pier checked with 16 cm^2: a ratio of 1.3e-5, whose search
    // runs away above the section (8 ms once).
    {"check_12_5_m_16_cm2",
     {12.5, 0.080280719939997969, 33.220609045712415, 364.91546967204317, 6686.3973808748897, 16,
      k30, kGrade4}},
    // Near the axis, the check of a ratio of 1 circles wholly beyond
    // xi = 1.5 close to the band's edge, once stepped to the trial cap
    // (215 ms).
    {"design_near_axial_cycling_beyond_1_5", {1.07, 0.054, 2.6, 10113, 112.1, 0, k15, kGrade2}},
    // The slowest of 40,000 absurd inputs once those were mended, and a
    // design whose cycle is pushed to the band's edge and followed to the
    // cap.
    {"design_7_4_mm",
     {0.0073678699132604785, 0.0022438604368453042, 0, 0.54528746998441102, 1.0296583909564978e-05,
      0, k15, kGrade1}},
    {"design_band_edge_to_cap",
     {0.93, 0.063, 3.4, 246.72191581610483, 13.796286721145453, 0, k40, kGrade3}},
}};

}  // namespace

std::span<const NamedCase> namedCases() {
    return kCases;
}

std::span<const NamedCase> edgeCases() {
    return kEdgeCases;
}

std::span<const NamedCase> worstInputs() {
    return kWorstInputs;
}

}  // namespace pilaro
