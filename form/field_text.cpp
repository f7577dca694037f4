#include "form/field_text.h"

namespace pilaro {

using messages::Field;

bool onlyBlanks(std::string_view text) {
    return text.find_first_not_of(" \t\n") == std::string_view::npos;
}

std::optional<NumberReading> wholeNumber(std::string_view text) {
    const NumberReading number = readLeadingNumber(text);
    if (number.consumed == 0 || !onlyBlanks(text.substr(number.consumed))) return std::nullopt;
    return number;
}

Field fieldOf(FormInput input) {
    switch (input) {
        case FormInput::ConcreteGrade:
            return Field::Concrete;
        case FormInput::SteelGrade:
            return Field::Steel;
        case FormInput::AxialForce:
            return Field::AxialForce;
        case FormInput::Moment:
            return Field::Moment;
        case FormInput::Diameter:
            return Field::Diameter;
        case FormInput::Cover:
            return Field::Cover;
        case FormInput::Length:
            return Field::Length;
        case FormInput::GivenArea:
            return Field::SteelArea;
        case FormInput::Method:
            return Field::Method;
        case FormInput::ImportanceFactor:
            return Field::ImportanceFactor;
    }
    return Field::SteelArea;
}

}  // namespace pilaro
