// A first visit: the worked design example that 示例 fills in, and 清空,
// which returns the form to how it opened. Both are the form's, so that
// the example and a cleared form are the same wherever they are offered.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/calc_state.h"
#include "form/control_setting.h"
#include "form/form_reading.h"

namespace pilaro {

// The README's pier as a design: 25号 and Ⅱ级 picked (C30 and HRB400
// under JTG 3362-2018, whose γ0 it leaves as picked), Nj 5000 kN,
// Mj 3000 kN·m, D 1.2 m, a 0.05 m, l0 10 m, and 配筋计算 chosen.
struct FormExample {
    std::string_view option;
    std::vector<ControlSetting> entries;  // a list and the entry picked from it
    std::vector<ControlSetting> fields;   // a field and the text typed into it
};
[[nodiscard]] FormExample designExample(table::Method method = table::Method::Archived);

// True when filling in the example of the method chosen would replace
// something the user typed, picked or chose: a control it fills shows
// neither blanks nor the example's text, or another calculation type is
// chosen.
[[nodiscard]] bool exampleReplacesInputs(const CalcState& state, const ControlText& controlText);

// 清空: the state of a form just opened (no grade, no type, no run, γ0
// 1.0) but for the method chosen, which stays; and every field's text as
// the form opens with it, inputs and read-outs alike. The front end also
// shows no grade picked and no option chosen (formLists).
[[nodiscard]] std::vector<ControlSetting> clearForm(CalcState& state);

}  // namespace pilaro
