// The page's form fields read as the window reads its own: the grade lists
// by the picked entry, the number fields by the engine's number rule.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calculation.h"

namespace pilaro::web {

// The text of a form field, by the window's object name ("txtnj").
using FieldText = std::function<std::string(std::string_view fieldName)>;

// A concrete or steel entry picked from 混凝土标号 (cbohnt) or 钢筋等级
// (cbogj): an entry of the grade table sets its values in the state; any
// other text changes nothing.
void pickConcrete(CalcState& state, std::string_view entry);
void pickSteel(CalcState& state, std::string_view entry);

// The fields as one run reads them.
struct FormReading {
    std::optional<CalcInput> input;  // none when a field is refused
    std::string refusal;             // what the refused field needs (UTF-8)
};

// Reads txtmj, txtnj, txtzd, txtbc and txtlj, and txtag1 only for a Check;
// the type and the material values come from the state.
[[nodiscard]] FormReading readRunInput(const CalcState& state, const FieldText& fieldText);

}  // namespace pilaro::web
