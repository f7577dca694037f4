// The README's pier as the page's form holds it: 25号 concrete and Ⅱ级 steel
// picked, and the calculation type chosen (optpj or optqd).
#pragma once

#include <string_view>

#include "form/form_events.h"

namespace pilaro::web {

inline CalcState pierState(std::string_view option) {
    CalcState state;
    pickEntry(state, "cbohnt", "25号");
    pickEntry(state, "cbogj", "\u2161级");
    chooseOption(state, option);
    return state;
}

}  // namespace pilaro::web
