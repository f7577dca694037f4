#include "tests/report/report_test_state.h"

#include <stdexcept>

#include "engine/materials.h"

namespace pilaro::test {

CalcState freshState() {
    return CalcState{};
}

void chooseConcrete(CalcState& state, const char* grade) {
    const ConcreteGrade* row = findConcreteGrade(grade);
    if (!row) throw std::invalid_argument(grade);
    state.Ra = row->Ra;
    state.Eh = row->Eh;
}

void chooseSteel(CalcState& state, const char* grade) {
    const SteelGrade* row = findSteelGrade(grade);
    if (!row) throw std::invalid_argument(grade);
    state.Rg = row->Rg;
    state.Eg = row->Eg;
}

void chooseDesign(CalcState& state) {
    state.type = CalcType::Design;
}

void chooseCheck(CalcState& state) {
    state.type = CalcType::Check;
}

CalcState stateWithGrades() {
    CalcState state = freshState();
    chooseConcrete(state, "25号");
    chooseSteel(state, "\u2161级");
    return state;
}

CalcStatus pressRun(CalcState& state, double Mj, double Nj, MaybeValue givenArea,
                    std::string steelText) {
    CalcInput input;
    input.type = state.type;
    input.Mj = Mj;
    input.Nj = Nj;
    input.D = 1.2;
    input.a = 0.05;
    input.l0 = 10;
    input.Ag = input.type == CalcType::Check ? givenArea.value_or(0.0) : 0.0;
    input.Ra = state.Ra;
    input.Eh = state.Eh;
    input.Rg = state.Rg;
    input.Eg = state.Eg;
    return runCalculation(state, input, std::move(steelText));
}

}  // namespace pilaro::test
