// Every text of the current-code calculation that a person reads: the
// message of each status, and the verdicts' English twins. Chinese names
// each field as the form's caption does.
#pragma once

#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "jtg3362/records.h"
#include "table/language.h"

namespace pilaro::jtg3362 {

using table::Language;

// The message of the outcome's status; empty for Done. The slenderness
// message names l0 / D as its read-out shows it.
[[nodiscard]] std::string statusMessage(const Outcome& outcome,
                                        Language language = Language::Chinese);

// 通过验算！ and 重新配筋！ (the archived method's texts), or their English
// twins; empty for Verdict::None.
[[nodiscard]] std::string_view verdictMessage(Verdict verdict,
                                              Language language = Language::Chinese);

}  // namespace pilaro::jtg3362
