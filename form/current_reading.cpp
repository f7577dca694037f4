#include "form/current_reading.h"

#include <optional>

#include "form/control_table.h"
#include "form/field_text.h"
#include "form/method_choice.h"
#include "jtg3362/bars.h"
#include "messages/field_messages.h"
#include "messages/run_messages.h"
#include "table/cell_values.h"
#include "table/row_method.h"

namespace pilaro {

using messages::FieldProblem;

namespace {

class CurrentReader {
  public:
    CurrentReader(const ControlText& controlText, CurrentReading& reading)
        : controlText_(controlText), reading_(reading) {}

    // False, refused, when the list shows another text than `held`; a list
    // that holds nothing must show nothing.
    bool listShows(FormInput input, std::string_view held) {
        const std::string text = controlText_(controlName(input));
        const bool matches = held.empty() ? onlyBlanks(text) : text == held;
        if (!matches) refuse(FieldProblem::NotFromList, input, text);
        return matches;
    }

    // A field's number; 0 when it is empty.
    std::optional<double> number(FormInput input) {
        const std::string text = controlText_(controlName(input));
        if (onlyBlanks(text)) return 0.0;
        if (const std::optional<NumberReading> number = wholeNumber(text)) return number->value;
        refuse(FieldProblem::NotANumber, input, text);
        return std::nullopt;
    }

    // The given steel in cm^2, with its bars where it is typed as bars; 0
    // when it is empty.
    bool steel(jtg3362::Input& in) {
        const FormInput input = FormInput::GivenArea;
        const std::string text = controlText_(controlName(input));
        reading_.steelText = std::string(table::trimBlanks(text));
        const jtg3362::BarsReading bars = jtg3362::readBars(text);
        if (bars.kind == table::BarTextKind::Bars) {
            in.As = bars.area;
            in.bars = bars.bars;
            return true;
        }
        if (bars.kind == table::BarTextKind::UnknownDiameter) {
            refuse(FieldProblem::UnknownBarDiameter, input, text, table::currentBarDiameters());
            return false;
        }
        if (onlyBlanks(text)) {
            in.As = 0.0;
            reading_.steelText.clear();
            return true;
        }
        // 28D28 is bars here, never 2.8 x 10^29.
        const std::optional<NumberReading> number = wholeNumber(text);
        if (number && number->exponentMarker != 'D' && number->exponentMarker != 'd') {
            in.As = number->value;
            return true;
        }
        refuse(FieldProblem::NotANumberNorBars, input, text);
        return false;
    }

  private:
    void refuse(FieldProblem problem, FormInput input, std::string_view text,
                std::span<const std::string_view> diameters = {}) {
        reading_.fault = input;
        reading_.refusal =
            messages::fieldMessage(problem, messages::fieldName(fieldOf(input)), text, diameters)
                .chinese;
    }

    const ControlText& controlText_;
    CurrentReading& reading_;
};

}  // namespace

CurrentReading readCurrentForm(const CalcState& state, const ControlText& controlText) {
    CurrentReading reading;
    jtg3362::Input& in = reading.input;
    if (state.type == CalcType::None) {
        reading.refusal = statusMessage(CalcStatus::NoType);
        reading.fault = CalcType::Design;
        return reading;
    }
    const CurrentCodeState& held = state.current;
    CurrentReader reader(controlText, reading);
    if (!reader.listShows(FormInput::ConcreteGrade, held.concrete) ||
        !reader.listShows(FormInput::SteelGrade, held.steel) ||
        !reader.listShows(FormInput::ImportanceFactor, importanceFactorEntry(held.gamma0)))
        return reading;

    // The archived run's order of reading: the moment first, the length last.
    for (auto [field, value] : {std::pair{FormInput::Moment, &in.Md},
                                {FormInput::AxialForce, &in.Nd},
                                {FormInput::Diameter, &in.D},
                                {FormInput::Cover, &in.a},
                                {FormInput::Length, &in.l0}}) {
        const std::optional<double> number = reader.number(field);
        if (!number) return reading;
        *value = *number;
    }
    if (state.type == CalcType::Check && !reader.steel(in)) return reading;
    // A check given no steel at all is designed, as in the archived method.
    // Steel typed is checked, however little: pilaro-batch checks a row of
    // this code whose area is 0, and bars typed are counted, however few.
    const bool steelTyped = !reading.steelText.empty();
    in.task =
        state.type == CalcType::Check && steelTyped ? jtg3362::Task::Check : jtg3362::Task::Design;
    if (in.task == jtg3362::Task::Design) {
        in.As = 0.0;
        in.bars.reset();
        reading.steelText.clear();
    }
    in.concrete = held.concrete;
    in.steel = held.steel;
    in.gamma0 = held.gamma0;
    return reading;
}

}  // namespace pilaro
