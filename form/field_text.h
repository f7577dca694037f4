// What a field's text is to a run, under either method: blanks only (which
// read as 0), one whole number, and the field a message names.
#pragma once

#include <optional>
#include <string_view>

#include "engine/number_parse.h"
#include "form/control_role.h"
#include "messages/field_messages.h"

namespace pilaro {

// The blanks the reading rule drops.
[[nodiscard]] bool onlyBlanks(std::string_view text);

// A number the reading rule reads from the whole text, blanks around it
// allowed; nothing when the text holds anything more, or no number.
[[nodiscard]] std::optional<NumberReading> wholeNumber(std::string_view text);

// What each input holds, which its messages name as its caption does.
[[nodiscard]] messages::Field fieldOf(FormInput input);

}  // namespace pilaro
