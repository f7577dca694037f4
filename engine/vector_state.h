// The engine's arithmetic is plain SSE2. On x86-64 processors with AVX it
// can run about ten times slower while other code in the process has left
// the upper halves of the vector registers in use: Qt's start-up does, and
// the state stays until someone clears it. So the engine clears it as a
// call enters it. It changes no value: only the upper halves, which SSE2
// code never reads, are set to zero.
//
// The entry layer: every engine call that computes and that a front end
// (the window, the report, the tables, the diagrams) may make opens with
// clearUpperVectorHalves():
//   runCalculation (both), deriveSection        engine/calculation.h
//   interactionCurve, loadPoint                 engine/interaction_curve.h
//   smallestEccentricityDepth                   engine/search/curve_top.h
//   givenSteelRatio                             engine/resistance.h
//   readOuts                                    engine/read_outs.h
//   numberToText, fixedDecimalsText,
//   floorToDecimals                             engine/number_text.h
// The solvers' own parts (the searches, their trials, the section's
// coefficients, the resistance formulas, the bar table) run only inside
// these calls, or alone in the engine's tests and benchmarks, and do not
// clear it: they run per trial, where even a cheap clearing adds up.
#pragma once

namespace pilaro {

// Sets the upper halves of the vector registers to zero where the
// processor has them (AVX) and the engine is not itself built for AVX;
// otherwise does nothing.
void clearUpperVectorHalves();

}  // namespace pilaro
