// The form's field of each read-out, and what the fields show after a
// completed run, so that the window and the page write the same texts
// into the same fields.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/read_outs.h"

namespace pilaro {

struct ReadOutField {
    ReadOutId id;
    std::string_view field;  // the control's name in the control table
};

// Every read-out with its field, indexed by ReadOutId.
[[nodiscard]] const std::array<ReadOutField, kReadOutCount>& readOutFields();

[[nodiscard]] std::string_view readOutField(ReadOutId id);

// A read-out's text with the field that shows it.
struct ShownReadOut {
    std::string_view field;
    std::string text;
};

// What the fields show after a completed run, in display order.
[[nodiscard]] std::vector<ShownReadOut> shownReadOuts(ReadOutTexts texts);

}  // namespace pilaro
