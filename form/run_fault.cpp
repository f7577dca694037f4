#include "form/run_fault.h"

namespace pilaro {

ControlRole faultOf(CalcStatus status, const CalcInput& input) {
    switch (status) {
        case CalcStatus::ZeroAxialForce:
        case CalcStatus::AxialForceTooLarge:
        case CalcStatus::TensionForce:
            return FormInput::AxialForce;
        case CalcStatus::MomentTooLarge:
            return FormInput::Moment;
        // A section too slender, or too small for its load, is enlarged
        // through its diameter.
        case CalcStatus::EnlargeSection:
        case CalcStatus::SectionTooSmall:
        case CalcStatus::ZeroDiameter:
        case CalcStatus::DiameterTooLarge:
        case CalcStatus::NegativeDiameter:
            return FormInput::Diameter;
        case CalcStatus::CoverTooLarge:
        case CalcStatus::CoverOutsideSection:
            return FormInput::Cover;
        case CalcStatus::LengthTooLarge:
        case CalcStatus::NegativeLength:
            return FormInput::Length;
        case CalcStatus::AreaTooLarge:
        case CalcStatus::NegativeArea:
        case CalcStatus::AreaAboveSection:
            return FormInput::GivenArea;
        case CalcStatus::MissingGrade:
            return input.Ra && input.Eh ? FormInput::SteelGrade : FormInput::ConcreteGrade;
        case CalcStatus::NoType:
            return CalcType::Design;
        case CalcStatus::Done:
        case CalcStatus::InputOutOfRange:
        case CalcStatus::DivisionByZero:
        case CalcStatus::ResultOutOfRange:
        case CalcStatus::NotConverging:
            break;
    }
    return {};
}

ControlRole faultOf(jtg3362::Status status) {
    using jtg3362::Status;
    switch (status) {
        case Status::AxialForceNotFinite:
        case Status::AxialForceNotPositive:
            return FormInput::AxialForce;
        case Status::MomentNotFinite:
            return FormInput::Moment;
        // A design that needs more than 5 % is enlarged through its
        // diameter, as the archived method's section too small.
        case Status::EnlargeSection:
        case Status::DiameterNotFinite:
        case Status::DiameterNotPositive:
            return FormInput::Diameter;
        case Status::CoverNotFinite:
        case Status::CoverOutsideSection:
            return FormInput::Cover;
        // Its message asks to check the length first, then the diameter.
        case Status::SlendernessBeyondTable:
        case Status::LengthNotFinite:
        case Status::NegativeLength:
            return FormInput::Length;
        case Status::AreaNotFinite:
        case Status::NegativeArea:
        case Status::AreaAboveSection:
        case Status::TooFewBars:
            return FormInput::GivenArea;
        case Status::UnknownConcrete:
            return FormInput::ConcreteGrade;
        case Status::UnknownSteel:
            return FormInput::SteelGrade;
        case Status::ImportanceFactorNotAllowed:
            return FormInput::ImportanceFactor;
        case Status::Done:
        case Status::ResultOutOfRange:
            break;
    }
    return {};
}

}  // namespace pilaro
