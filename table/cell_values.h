// The value of one cell of a load-case table. Cells are read strictly: a
// number cell must be wholly a number, unlike the window's fields, whose
// leading-number reading is for typing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "engine/materials.h"

namespace pilaro::table {

// Without the blanks and tabs around it.
std::string_view trimBlanks(std::string_view text);

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

enum class NumberProblem { None, Empty, NotANumber, OutOfRange };

struct NumberCell {
    double value = 0;
    NumberProblem problem = NumberProblem::None;
};

// An optional sign, digits with at most one period, an optional exponent;
// blanks around it. No hexadecimal, no infinity, no comma.
NumberCell readNumber(std::string_view text);

// The type cells' Chinese words, as the window's options say them.
inline constexpr std::string_view kDesignTypeText = "配筋计算";
inline constexpr std::string_view kCheckTypeText = "强度校核";

// 配筋计算, 强度校核, design or check (any case).
std::optional<CalcType> readType(std::string_view text);

// "25号" or "25".
const ConcreteGrade* readConcrete(std::string_view text);

// "Ⅱ级", "Ⅱ", "II" (any case, with or without 级) or "2"; "5号" or "5" for
// the fifth grade.
const SteelGrade* readSteel(std::string_view text);

// Bars from the bar table, "24D28" or "24Φ28", or groups joined by '+',
// "12D28+12D25": the area they supply in cm^2 (table/bar_notation.h).
// Nothing when the text is not such bars.
std::optional<double> readBars(std::string_view text);

}  // namespace pilaro::table
