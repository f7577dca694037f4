// A control and the text the form gives it, and a list with its entries:
// what a front end writes into its controls when the form says so.
#pragma once

#include <string_view>
#include <vector>

namespace pilaro {

struct ControlSetting {
    std::string_view control;
    std::string_view text;
};

// A list's entries in list order, and the text it shows: its entry that
// the form holds, or its opening text where the form holds none.
struct ListContents {
    std::string_view list;
    std::vector<std::string_view> entries;
    std::string_view shown;
};

}  // namespace pilaro
