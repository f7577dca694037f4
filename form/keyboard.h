// The form at the keyboard: which controls Tab visits, in which order, and
// which fields run the form on Enter. The window keeps the archived form's
// own tab order (its control table's tab indices); a front end free of it
// (the page) visits the inputs, then 运  行, then 打  印, and leaves the
// read-outs out, which the mouse still selects and copies.
#pragma once

#include <string_view>
#include <vector>

namespace pilaro {

// The controls' names in the order Tab visits them: every input and
// calculation-type option in the control table's tab order, then the run
// button, then the print button.
[[nodiscard]] std::vector<std::string_view> keyboardOrder();

// True for a field the user types an input into: Enter there runs the form
// as 运  行 does. A list, an option, a read-out or a button: false.
[[nodiscard]] bool enterRuns(std::string_view control);

}  // namespace pilaro
