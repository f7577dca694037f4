// The one way pilaro-batch tells of a problem: a line on standard error,
// in the language of the run.
#pragma once

#include <cstdio>

#include "messages/language.h"
#include "messages/wording.h"

namespace pilaro::batch {

inline void say(const messages::Message& message, Language language) {
    std::fprintf(stderr, "pilaro-batch: %s\n", message.in(language).c_str());
}

}  // namespace pilaro::batch
