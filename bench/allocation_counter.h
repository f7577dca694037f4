// Counts the heap allocations of the benchmark program, so that a benchmark
// can report how many a calculation makes (the search loop should make none).
#pragma once

#include <cstdint>

namespace pilaro {

// Allocations made by this thread's operator new since the program started.
std::uint64_t allocationCount();

}  // namespace pilaro
