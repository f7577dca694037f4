// What the form tells the user beside a run's status: a check that ran as
// a design, why 打  印 prints nothing, the questions the page asks before it
// replaces what was typed, and the form's short help.
#pragma once

#include <span>

#include "messages/wording.h"

namespace pilaro::messages {

enum class FormNotice {
    CheckRanAsDesign,  // {1} names the given area's field
    NothingToPrint,    // no completed run yet
    StaleResults,      // printing results of other inputs than the form shows
    StaleHint,         // what greyed results say when pointed at
    ClearQuestion,     // before 清空
    ExampleQuestion,   // before 示例 replaces what was typed
    // Under JTG 3362-2018, where an area of 0 is checked: {1} as above.
    CurrentCheckRanAsDesign,
};

[[nodiscard]] Wording formNoticeWording(FormNotice notice);

// The notice filled in: the field named as its caption names it.
[[nodiscard]] Message formNotice(FormNotice notice);

// One part of the form's help: a heading and its paragraph.
struct HelpSection {
    Wording heading;
    Wording text;
};

// The form's help, in reading order: the two calculations, the fields and
// their units, the verdict, the factor eta, the N-M diagram, the choice of
// method, and what an edit does to results shown.
[[nodiscard]] std::span<const HelpSection> formHelp();

}  // namespace pilaro::messages
