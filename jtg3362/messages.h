// The current-code calculation's messages, from the message home: the
// message of each status with the figures it names, and the verdicts.
#pragma once

#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "jtg3362/records.h"
#include "messages/language.h"

namespace pilaro::jtg3362 {

// The message of the outcome's status; empty for Done. The slenderness
// message names l0 / D as its read-out shows it.
[[nodiscard]] std::string statusMessage(const Outcome& outcome,
                                        Language language = Language::Chinese);

// 通过验算！ and 重新配筋！ (the archived method's texts), or their English
// twins; empty for Verdict::None.
[[nodiscard]] std::string_view verdictMessage(Verdict verdict,
                                              Language language = Language::Chinese);

}  // namespace pilaro::jtg3362
