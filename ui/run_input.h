// The input of one calculation run, read from the window's input fields.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

#include "engine/calculation.h"

namespace pilaro {

// The text of a field, by the field's name.
using FieldText = std::function<QString(std::string_view fieldName)>;

// Reads txtmj, txtnj, txtzd, txtbc and txtlj in that order, then txtag1 only
// when the state's type is Check (the given area is 0 otherwise); the
// material values and the type come from the state.
[[nodiscard]] CalcInput inputFromFields(const CalcState& state, const FieldText& fieldText);

}  // namespace pilaro
