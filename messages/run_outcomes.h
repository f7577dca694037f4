// What a calculation run ends with and what a check concludes. The engine
// returns these; they are defined here, with the texts that tell them
// (messages/run_messages.h), so that every status has its message and a
// second calculation method adds its own statuses beside them.
#pragma once

namespace pilaro {

// The outcome of a check: whether the section carries Nj. None until a
// check has run.
enum class Verdict { None, Passes, Fails };

enum class CalcStatus {
    Done,
    NoType,
    EnlargeSection,
    InputOutOfRange,   // a material value is infinite
    ZeroDiameter,      // D = 0
    ZeroAxialForce,    // Nj = 0
    MissingGrade,      // a material value the run needs is unset
    DivisionByZero,    // any other zero divisor of the section formulas
    ResultOutOfRange,  // a value the run would store is not finite
    NotConverging,     // no state of the section matches the loads
    // A field read as a number too large for the machine (1e400).
    MomentTooLarge,
    AxialForceTooLarge,
    DiameterTooLarge,
    CoverTooLarge,
    LengthTooLarge,
    AreaTooLarge,
    // Values no section can have.
    NegativeDiameter,     // D < 0
    CoverOutsideSection,  // a < 0, or a >= D / 2: the steel must lie inside the section
    TensionForce,         // Nj < 0: only eccentric compression is treated
    NegativeLength,       // l0 < 0
    NegativeArea,         // a given steel area < 0
    // Even steel as large as the concrete section cannot carry Nj.
    SectionTooSmall,
    // A given steel area larger than the section (a ratio above 1).
    AreaAboveSection,
};

}  // namespace pilaro
