// What the user is told about a value typed into a field of the form or a
// cell of a load-case table: the fields by what they hold, and the
// problems a typed text can have.
#pragma once

#include <span>
#include <string_view>

#include "messages/wording.h"

namespace pilaro::messages {

// Every value a user gives, in the form or in a table's column. A second
// calculation method adds its own (ImportanceFactor is the first).
enum class Field {
    Name,
    Member,
    Type,
    Concrete,
    Steel,
    AxialForce,
    Moment,
    Diameter,
    Cover,
    Length,
    SteelArea,
    Bars,
    ImportanceFactor,  // γ0
    Method,            // the form's choice of method
};

// The field as the form's caption names it, without its unit: 轴向力,
// 纵向钢筋面积.
[[nodiscard]] Wording fieldName(Field field);

enum class FieldProblem {
    NotANumber,          // the text holds more than a number, or no number
    NotANumberNorBars,   // the steel area: neither a number nor bars
    NotBars,             // a table's bars: not bars at all
    UnknownBarDiameter,  // bars of a diameter the bar table lacks
    NotFromList,         // a grade list shows text that is not the grade picked
    Empty,               // a table's cell is empty, where a field would read 0
    TooLarge,            // a number too large for the machine (1e400)
    NotAType,            // not 配筋计算 or 强度校核
    NotAConcreteGrade,
    NotASteelGrade,
    AreaAndBars,    // a check given both a steel area and bars
    NoSteel,        // a check given neither
    UnderNoColumn,  // a table's cell beyond the named columns
    // A row's grades of two methods: {1} and {3} name the concrete's and
    // the steel's columns, {2} and {4} quote their texts.
    GradesOfTwoMethods,
    // A grade that the current code (JTG 3362-2018) lacks, on a row whose
    // other grade is the current code's: {3} lists the code's grades.
    NotACurrentConcreteGrade,
    NotACurrentSteelGrade,
    ImportanceFactorOnArchivedRow,  // γ0 other than 1.0 where the method has none
};

// The problem's wording: {1} names the field, {2} quotes the text, {3}
// lists the bar table's diameters. AreaAndBars and NoSteel name the area's
// and the bars' columns as {1} and {2}; UnderNoColumn gives the cell's
// column number as {1}.
[[nodiscard]] Wording fieldProblemWording(FieldProblem problem);

// The message for `typed` in the field named `name`. `barDiameters` (in
// mm, "12" … "36") are those of the bar table, which the message about an
// unknown diameter lists.
[[nodiscard]] Message fieldMessage(FieldProblem problem, const Message& name,
                                   std::string_view typed,
                                   std::span<const std::string_view> barDiameters = {});

}  // namespace pilaro::messages
