#include "web/form_bridge.h"

#include "engine/materials.h"
#include "engine/number_parse.h"

namespace pilaro::web {

void pickConcrete(CalcState& state, std::string_view entry) {
    if (const ConcreteGrade* grade = findConcreteGrade(entry)) {
        state.Ra = grade->Ra;
        state.Eh = grade->Eh;
    }
}

void pickSteel(CalcState& state, std::string_view entry) {
    if (const SteelGrade* grade = findSteelGrade(entry)) {
        state.Rg = grade->Rg;
        state.Eg = grade->Eg;
    }
}

// The page reads its fields by the same rule as the window (ui/run_input);
// every field reads as a number, so nothing is refused yet.
FormReading readRunInput(const CalcState& state, const FieldText& fieldText) {
    const auto number = [&fieldText](std::string_view name) {
        return parseNumber(fieldText(name));
    };
    CalcInput input;
    input.type = state.type();
    input.Mj = number("txtmj");
    input.Nj = number("txtnj");
    input.D = number("txtzd");
    input.a = number("txtbc");
    input.l0 = number("txtlj");
    input.Ag = input.type == CalcType::Check ? number("txtag1") : 0.0;
    input.Ra = state.Ra;
    input.Eh = state.Eh;
    input.Rg = state.Rg;
    input.Eg = state.Eg;
    return {input, {}};
}

}  // namespace pilaro::web
