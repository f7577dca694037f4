// Calculation states as the window leaves them, for the report tests.
#pragma once

#include <string>

#include "form/calc_state.h"

namespace pilaro::test {

// Nothing chosen, nothing run: the state of a fresh window.
CalcState freshState();

// Chooses a grade as the grade lists do: the state's material slots change,
// the last run's input does not.
void chooseConcrete(CalcState& state, const char* grade);
void chooseSteel(CalcState& state, const char* grade);

// The option buttons: the calculation type chosen.
void chooseDesign(CalcState& state);
void chooseCheck(CalcState& state);

// A fresh state with 25号 concrete and Ⅱ级 steel chosen.
CalcState stateWithGrades();

// Presses the run button with D = 1.2, a = 0.05, l0 = 10 and the given
// loads; the given area, and its text as typed, are read only in Check, as
// the window does.
CalcStatus pressRun(CalcState& state, double Mj, double Nj, MaybeValue givenArea = {},
                    std::string steelText = {});

}  // namespace pilaro::test
