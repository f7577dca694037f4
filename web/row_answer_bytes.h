// The engine's answers for rows as bytes, which one worker of the page's
// tables hands to another: every worker runs the same module, so an answer
// crosses as its own bytes, each double bit for bit.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "table/row_outcome.h"

namespace pilaro::web {

[[nodiscard]] std::string answerBytes(std::span<const table::RowAnswer> answers);

// Nothing for bytes that are no whole number of answers.
[[nodiscard]] std::optional<std::vector<table::RowAnswer>> answersOf(std::string_view bytes);

}  // namespace pilaro::web
