// The one way pilaro-batch tells of a problem: a line on standard error.
#pragma once

#include <cstdio>
#include <string>

namespace pilaro::batch {

inline void say(const std::string& message) {
    std::fprintf(stderr, "pilaro-batch: %s\n", message.c_str());
}

}  // namespace pilaro::batch
