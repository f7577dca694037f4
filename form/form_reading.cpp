#include "form/form_reading.h"

#include <optional>

#include "engine/bar_counts.h"
#include "engine/materials.h"
#include "engine/number_parse.h"
#include "form/control_table.h"
#include "form/field_text.h"
#include "messages/field_messages.h"
#include "messages/run_messages.h"
#include "table/bar_notation.h"
#include "table/cell_values.h"

namespace pilaro {

using messages::Field;
using messages::FieldProblem;

namespace {

class FormReader {
  public:
    FormReader(const ControlText& controlText, FormReading& reading)
        : controlText_(controlText), reading_(reading) {}

    // False, with the refusal written, when the list shows another text
    // than the grade with `strength` and `modulus` that the state holds.
    template <class Grade>
    bool listShowsHeldGrade(FormInput input, const Grade* (*find)(std::string_view),
                            const MaybeValue& strength, const MaybeValue& modulus) {
        const std::string_view list = controlName(input);
        const std::string text = controlText_(list);
        const Grade* shown = find(text);
        const bool held = strength.has_value() || modulus.has_value();
        const bool matches = held ? shown && strengthOf(*shown) == valueOr0(strength) &&
                                        modulusOf(*shown) == valueOr0(modulus)
                                  : onlyBlanks(text);
        if (!matches) refuse(FieldProblem::NotFromList, input, text);
        return matches;
    }

    // A field's number; 0 when it is empty.
    std::optional<double> number(FormInput input) {
        const std::string_view field = controlName(input);
        const std::string text = controlText_(field);
        if (onlyBlanks(text)) return 0.0;
        if (const std::optional<NumberReading> number = wholeNumber(text)) return number->value;
        refuse(FieldProblem::NotANumber, input, text);
        return std::nullopt;
    }

    // The given steel area in cm^2: bars, or a number; 0 when it is empty.
    std::optional<double> steelArea(FormInput input) {
        const std::string_view field = controlName(input);
        const std::string text = controlText_(field);
        reading_.steelText = std::string(table::trimBlanks(text));
        const table::BarReading bars = table::readBarNotation(text);
        if (bars.kind == table::BarTextKind::Bars) return bars.area();
        if (bars.kind == table::BarTextKind::UnknownDiameter) {
            refuse(FieldProblem::UnknownBarDiameter, input, text);
            return std::nullopt;
        }
        if (onlyBlanks(text)) return 0.0;
        // 24D28 is bars here, never 2.4 x 10^29.
        const std::optional<NumberReading> number = wholeNumber(text);
        if (number && number->exponentMarker != 'D' && number->exponentMarker != 'd')
            return number->value;
        refuse(FieldProblem::NotANumberNorBars, input, text);
        return std::nullopt;
    }

  private:
    static double strengthOf(const ConcreteGrade& g) { return g.Ra; }
    static double modulusOf(const ConcreteGrade& g) { return g.Eh; }
    static double strengthOf(const SteelGrade& g) { return g.Rg; }
    static double modulusOf(const SteelGrade& g) { return g.Eg; }

    void refuse(FieldProblem problem, FormInput input, std::string_view text) {
        reading_.fault = input;
        reading_.refusal = messages::fieldMessage(problem, messages::fieldName(fieldOf(input)),
                                                  text, barDiameters())
                               .chinese;
    }

    const ControlText& controlText_;
    FormReading& reading_;
};

}  // namespace

FormReading readForm(const CalcState& state, const ControlText& controlText) {
    FormReading reading;
    CalcInput& input = reading.input;
    input.type = state.type;
    if (input.type == CalcType::None) {
        reading.refusal = statusMessage(CalcStatus::NoType);
        reading.fault = CalcType::Design;
        return reading;
    }
    FormReader reader(controlText, reading);
    if (!reader.listShowsHeldGrade<ConcreteGrade>(FormInput::ConcreteGrade, findConcreteGrade,
                                                  state.Ra, state.Eh) ||
        !reader.listShowsHeldGrade<SteelGrade>(FormInput::SteelGrade, findSteelGrade, state.Rg,
                                               state.Eg))
        return reading;

    // The run's order of reading: the moment first, the length last.
    for (auto [field, value] : {std::pair{FormInput::Moment, &input.Mj},
                                {FormInput::AxialForce, &input.Nj},
                                {FormInput::Diameter, &input.D},
                                {FormInput::Cover, &input.a}}) {
        *value = reader.number(field);
        if (!*value) return reading;
    }
    const std::optional<double> l0 = reader.number(FormInput::Length);
    if (!l0) return reading;
    input.l0 = *l0;
    // The given area is read in Check only; a design has none.
    input.Ag = input.type == CalcType::Check ? reader.steelArea(FormInput::GivenArea) : 0.0;
    if (!input.Ag) return reading;

    input.Ra = state.Ra;
    input.Eh = state.Eh;
    input.Rg = state.Rg;
    input.Eg = state.Eg;
    return reading;
}

}  // namespace pilaro
