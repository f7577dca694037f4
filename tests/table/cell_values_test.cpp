// The cells of a load-case table, read strictly: numbers, calculation
// types, the grades' aliases and bars from the bar table.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>

#include "engine/materials.h"
#include "table/cell_values.h"
#include "tests/support/grades.h"

namespace pilaro::test {
namespace {

using table::NumberProblem;

TEST(NumberCell, IsWhollyANumberWithBlanksAroundIt) {
    const struct {
        const char* text;
        double value;
        NumberProblem problem;
    } cases[] = {
        {"5000", 5000, NumberProblem::None},
        {" 1.2 ", 1.2, NumberProblem::None},
        {"\t-3\t", -3, NumberProblem::None},
        {"+7", 7, NumberProblem::None},
        {".5", 0.5, NumberProblem::None},
        {"-.25", -0.25, NumberProblem::None},
        {"2.", 2, NumberProblem::None},
        {"1e3", 1000, NumberProblem::None},
        {"1E-2", 0.01, NumberProblem::None},
        {"-0", 0, NumberProblem::None},
        {"", 0, NumberProblem::Empty},
        {" \t ", 0, NumberProblem::Empty},
        {"1,2", 0, NumberProblem::NotANumber},
        {"2,450", 0, NumberProblem::NotANumber},
        {"5000kN", 0, NumberProblem::NotANumber},
        {"1 000", 0, NumberProblem::NotANumber},
        {"1e", 0, NumberProblem::NotANumber},
        {".", 0, NumberProblem::NotANumber},
        {"-", 0, NumberProblem::NotANumber},
        {"--1", 0, NumberProblem::NotANumber},
        {"+-1", 0, NumberProblem::NotANumber},
        {"-+1", 0, NumberProblem::NotANumber},
        {"++1", 0, NumberProblem::NotANumber},
        {"inf", 0, NumberProblem::NotANumber},
        {"-infinity", 0, NumberProblem::NotANumber},
        {"nan", 0, NumberProblem::NotANumber},
        {"0x10", 0, NumberProblem::NotANumber},
        {"&H10", 0, NumberProblem::NotANumber},
        {"１２", 0, NumberProblem::NotANumber},  // full-width digits
        {"1e400", 0, NumberProblem::OutOfRange},
        {"-1e400", 0, NumberProblem::OutOfRange},
    };
    for (const auto& c : cases) {
        const table::NumberCell cell = table::readNumber(c.text);
        EXPECT_EQ(cell.problem, c.problem) << '"' << c.text << '"';
        EXPECT_EQ(cell.value, c.value) << '"' << c.text << '"';
    }
}

TEST(TypeCell, NamesADesignOrACheckInEitherLanguage) {
    const struct {
        const char* text;
        std::optional<CalcType> type;
    } cases[] = {
        {"配筋计算", CalcType::Design}, {"强度校核", CalcType::Check},
        {"design", CalcType::Design},   {" CHECK ", CalcType::Check},
        {"Design", CalcType::Design},   {"校核", std::nullopt},
        {"designs", std::nullopt},      {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(table::readType(c.text), c.type) << c.text;
}

// A grade's strength and modulus, comparable.
std::optional<std::pair<double, double>> values(const std::optional<Grade>& grade) {
    if (!grade) return std::nullopt;
    return std::pair(grade->strength, grade->modulus);
}

TEST(GradeCells, TakeTheAliasesEngineersWrite) {
    const struct {
        const char* text;
        std::optional<Grade> grade;  // design strength and modulus
    } concrete[] = {
        {"25号", k25}, {"25", k25},   {" 40 ", k40}, {"15号", k15}, {"60", k60}, {"35号", {}},
        {"35", {}},    {"25 号", {}}, {"C25", {}},   {"", {}},      {"号", {}},  {"2５", {}},
    };
    for (const auto& c : concrete) {
        const ConcreteGrade* grade = table::readConcrete(c.text);
        EXPECT_EQ(values(grade ? std::optional<Grade>({grade->Ra, grade->Eh}) : std::nullopt),
                  values(c.grade))
            << c.text;
    }
    const struct {
        const char* text;
        std::optional<Grade> grade;
    } steel[] = {
        {"Ⅰ级", kI}, {"Ⅱ", kII},   {"II", kII}, {"ii级", kII}, {" III ", kIII}, {"IV", kIV},
        {"4", kIV},  {"2级", kII}, {"5号", k5}, {"5", k5},     {"V", {}},       {"Ⅴ", {}},
        {"5级", {}}, {"6", {}},    {"0", {}},   {"IIII", {}},  {"级", {}},      {"", {}},
    };
    for (const auto& c : steel) {
        const SteelGrade* grade = table::readSteel(c.text);
        EXPECT_EQ(values(grade ? std::optional<Grade>({grade->Rg, grade->Eg}) : std::nullopt),
                  values(c.grade))
            << c.text;
    }
}

// Areas from the bar table: one D28 is 6.158 cm², one D25 4.909, one D12
// 1.131, one D36 10.179.
TEST(BarsCell, SumsTheTabulatedAreasOfEachGroup) {
    const struct {
        const char* text;
        std::optional<double> area;  // cm², three decimals
    } cases[] = {
        {"24D28", 147.792},       {"24d28", 147.792},
        {"12D28+12D25", 132.804}, {" 12 D 28 + 12 D 25 ", 132.804},
        {"1D12", 1.131},          {"99999D36", 1017889.821},
        {"3D12+3D12", 6.786},     {"24D30", std::nullopt},  // no such bar
        {"0D28", std::nullopt},   {"100000D28", std::nullopt},
        {"D28", std::nullopt},    {"24D", std::nullopt},
        {"24", std::nullopt},     {"2.5D28", std::nullopt},
        {"-2D28", std::nullopt},  {"24D28+", std::nullopt},
        {"+24D28", std::nullopt}, {"24D28++1D12", std::nullopt},
        {"24D+28", std::nullopt}, {"24D028", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(table::readBars(c.text), c.area) << c.text;
}

}  // namespace
}  // namespace pilaro::test
