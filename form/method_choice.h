// The form's choice of method and of the current code's importance factor
// γ0: the entries of their lists, what each entry chooses, and the entry
// that shows what the form holds.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "table/row_method.h"

namespace pilaro {

// The archived method first: the form opens with it.
[[nodiscard]] std::vector<std::string_view> methodEntries();
[[nodiscard]] std::optional<table::Method> methodOfEntry(std::string_view entry);
[[nodiscard]] std::string_view methodEntry(table::Method method);

// 1.1, 1.0 and 0.9, each with its safety grade ("1.1（一级）").
[[nodiscard]] std::vector<std::string_view> importanceFactorEntries();
[[nodiscard]] std::optional<double> importanceFactorOfEntry(std::string_view entry);
// The entry of a factor of the list; empty for any other.
[[nodiscard]] std::string_view importanceFactorEntry(double gamma0);

}  // namespace pilaro
