// What a run's status and a check's verdict say to the user.
#pragma once

#include <string_view>

#include "messages/language.h"
#include "messages/run_outcomes.h"
#include "messages/wording.h"

namespace pilaro {

// The message the window shows for a status; empty for Done.
[[nodiscard]] std::string_view statusMessage(CalcStatus status,
                                             Language language = Language::Chinese);

// "通过验算！" or "重新配筋！", as the verdict's read-out shows it; empty for
// None.
[[nodiscard]] std::string_view verdictText(Verdict verdict, Language language = Language::Chinese);

namespace messages {

// Both languages of a status's message (empty for Done), and of a verdict.
[[nodiscard]] Wording statusWording(CalcStatus status);
[[nodiscard]] Wording verdictWording(Verdict verdict);

// A completed run where a table says each row's status: 完成.
[[nodiscard]] constexpr Wording doneWording() {
    return {"完成", "done"};
}

}  // namespace messages

}  // namespace pilaro
