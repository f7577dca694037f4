// The N-M diagram's costs: the section's curve alone (and its top), and one
// diagram file of the example pier (curve, the checks of its load cases,
// the drawing and the file written whole) in each format.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "diagram/diagram_contents.h"
#include "diagram/diagram_picture.h"
#include "engine/materials.h"
#include "engine/resistance.h"
#include "engine/search/curve_top.h"
#include "table/output_file.h"

namespace {

using namespace pilaro;
using namespace pilaro::diagram;
using pilaro::table::OutputFile;

constexpr double kBars24D28 = 147.792;  // cm^2

// The example pier (D = 1.2, a = 0.05, l0 = 10, 25号, Ⅱ级) under its load
// combinations, checked with 24D28.
MemberRows examplePier() {
    const ConcreteGrade* concrete = findConcreteGrade("25号");
    const SteelGrade* steel = findSteelGrade("Ⅱ级");
    MemberRows member{"P1", {}};
    const double loads[][2] = {{6200, 1850}, {5000, 3000}, {5600, 2450}, {5400, 2100},
                               {4800, 1500}, {4300, 2650}, {3900, 900}};
    long line = 2;
    for (const auto& [Nj, Mj] : loads) {
        DiagramRow row;
        row.line = line++;
        row.name = "case " + std::to_string(row.line);
        row.input = {CalcType::Check, Mj,           Nj,           1.2,       0.05,     10.0,
                     kBars24D28,      concrete->Ra, concrete->Eh, steel->Rg, steel->Eg};
        row.readWithoutErrors = true;
        row.checkRoad = true;
        row.bars = "24D28";
        member.rows.push_back(row);
    }
    return member;
}

void BM_Curve(benchmark::State& state) {
    const MemberRows member = examplePier();
    CalcInput bare = member.rows.front().input;
    bare.l0 = 0;
    bare.Nj = 1.0;
    bare.Mj = 0.0;
    CalcResult derived;
    SolverInput section{};
    if (deriveSection(bare, derived, section) != CalcStatus::Done) state.SkipWithError("section");
    const double rho = givenSteelRatio(kBars24D28, 1.2);
    std::size_t points = 0;
    for (auto _ : state) {
        const std::vector<CurvePoint> curve = interactionCurve(section, rho);
        points = curve.size();
        benchmark::DoNotOptimize(curve.data());
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_Curve)->Unit(benchmark::kMicrosecond);

// The top of the curve alone: the scan of the section's grid of depths for
// the state of smallest eccentricity, as the near-axial check makes it.
void BM_CurveTop(benchmark::State& state) {
    const MemberRows member = examplePier();
    CalcInput bare = member.rows.front().input;
    bare.l0 = 0;
    CalcResult derived;
    SolverInput section{};
    if (deriveSection(bare, derived, section) != CalcStatus::Done) state.SkipWithError("section");
    const double rho = givenSteelRatio(kBars24D28, 1.2);
    for (auto _ : state) benchmark::DoNotOptimize(smallestEccentricityDepth(section, rho));
}
BENCHMARK(BM_CurveTop)->Unit(benchmark::kMicrosecond);

void BM_Contents(benchmark::State& state) {
    const MemberRows member = examplePier();
    for (auto _ : state) {
        std::vector<pilaro::messages::Message> problems;
        benchmark::DoNotOptimize(diagramsOf(member, "member P1", {}, problems));
    }
}
BENCHMARK(BM_Contents)->Unit(benchmark::kMicrosecond);

void BM_DiagramFile(benchmark::State& state) {
    const auto format = static_cast<DiagramFormat>(state.range(0));
    const MemberRows member = examplePier();
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string path =
        (folder / (std::string("pilaro-diagram-bench.") + extensionOf(format))).string();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::vector<pilaro::messages::Message> problems;
        const std::vector<Diagram> diagrams = diagramsOf(member, "member P1", {}, problems);
        const std::string picture = diagramPicture(diagrams.at(0), format);
        OutputFile file(path);
        std::fwrite(picture.data(), 1, picture.size(), file.stream());
        file.commit();
        bytes = picture.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    std::filesystem::remove(path);
}
BENCHMARK(BM_DiagramFile)
    ->Arg(static_cast<int>(DiagramFormat::Svg))
    ->Arg(static_cast<int>(DiagramFormat::Png))
    ->Arg(static_cast<int>(DiagramFormat::Pdf))
    ->ArgName("svg|png|pdf")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const PaintingApplication application;  // the fonts need it
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
