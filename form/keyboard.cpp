#include "form/keyboard.h"

#include <algorithm>

#include "form/control_table.h"

namespace pilaro {

std::vector<std::string_view> keyboardOrder() {
    std::vector<const ControlRow*> inputs;
    for (const ControlRow& row : mainWindowControls())
        if (std::holds_alternative<FormInput>(row.role) ||
            std::holds_alternative<CalcType>(row.role))
            inputs.push_back(&row);
    std::stable_sort(inputs.begin(), inputs.end(), [](const ControlRow* a, const ControlRow* b) {
        return a->tabIndex < b->tabIndex;
    });
    std::vector<std::string_view> order;
    for (const ControlRow* row : inputs) order.push_back(row->name);
    order.push_back(controlName(FormButton::Run));
    order.push_back(controlName(FormButton::Print));
    return order;
}

bool enterRuns(std::string_view control) {
    const ControlRow* row = findControl(control);
    return row && row->kind == ControlKind::TextField &&
           std::holds_alternative<FormInput>(row->role);
}

}  // namespace pilaro
