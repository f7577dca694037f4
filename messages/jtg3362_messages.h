// What a run under JTG 3362-2018 says to the user: the message of each
// status, naming each field as the form's caption does. Its verdicts are
// the archived method's (verdictText).
#pragma once

#include <string_view>

#include "messages/jtg3362_outcomes.h"
#include "messages/wording.h"

namespace pilaro::messages {

// Both languages of a status's message; empty for Done. The message of
// SlendernessBeyondTable goes on with slendernessDetail.
[[nodiscard]] Wording statusWording(jtg3362::Status status);

// "l0/D＝50.00，大于43，…": the slenderness as its read-out shows it and the
// largest the stability table has.
[[nodiscard]] Message slendernessDetail(std::string_view l0OverD, std::string_view largest);

}  // namespace pilaro::messages
