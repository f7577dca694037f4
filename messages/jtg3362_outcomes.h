// What a run under JTG 3362-2018 ends with. The method's run returns
// these; they are defined here, with the texts that tell them
// (messages/jtg3362_messages.h), as the archived method's statuses are.
#pragma once

namespace pilaro::jtg3362 {

enum class Status {
    Done,
    EnlargeSection,              // a design needs more than 5 %; the capacity is at 5 %
    SlendernessBeyondTable,      // l0 / D above the stability table's 43
    ImportanceFactorNotAllowed,  // γ0 not 1.1, 1.0 or 0.9
    UnknownConcrete,             // not C25 to C80
    UnknownSteel,
    // An input that is not a finite number.
    AxialForceNotFinite,
    MomentNotFinite,
    DiameterNotFinite,
    CoverNotFinite,
    LengthNotFinite,
    AreaNotFinite,
    // Values no section or load of this method can have.
    DiameterNotPositive,    // D <= 0
    CoverOutsideSection,    // not 0 < a < D / 2
    AxialForceNotPositive,  // Nd <= 0: compression only
    NegativeLength,         // l0 < 0
    NegativeArea,           // As < 0
    AreaAboveSection,       // As > A
    TooFewBars,             // a check's bars number fewer than 8
    ResultOutOfRange,       // a figure of the result is not finite
};

}  // namespace pilaro::jtg3362
