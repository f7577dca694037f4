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

}  // namespace pilaro
