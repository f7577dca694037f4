// The form's field of each read-out, and what the fields show after a
// completed run, so that the window and the page write the same texts
// into the same fields.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/read_outs.h"
#include "jtg3362/read_outs.h"
#include "table/row_method.h"

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

// The current code's read-outs that the form shows: those of
// pilaro-batch's cells, in their order, each in its own field or in the
// archived field of the same name (the area, the ratios, the bars, the
// verdict).
struct CurrentReadOutField {
    jtg3362::ReadOut id;
    std::string_view field;
};
[[nodiscard]] const std::vector<CurrentReadOutField>& currentReadOutFields();

// What the fields show after a run of the current code with figures: each
// text as pilaro-batch's cell for the same row writes it.
[[nodiscard]] std::vector<ShownReadOut> shownCurrentReadOuts(const jtg3362::ReadOutTexts& texts);

// Every read-out field that a method's form shows, in table order.
[[nodiscard]] std::vector<std::string_view> readOutFieldsOf(table::Method method);

}  // namespace pilaro
