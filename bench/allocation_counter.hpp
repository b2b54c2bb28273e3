// Counts heap allocations made by this process: every operator new, and,
// where no sanitizer owns malloc, every malloc, calloc and realloc.
#pragma once

#include <cstdint>

namespace conkit::bench {

std::uint64_t AllocationsSoFar();

// False when a sanitizer owns malloc and only operator new is counted.
bool CountsMalloc();

}  // namespace conkit::bench
