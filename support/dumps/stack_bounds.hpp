// Where the calling thread's stack lies, so that a dump reads only memory
// that is there.
#pragma once

#include <cstdint>

namespace conkit {

struct StackBounds {
    std::uintptr_t low;   // first byte
    std::uintptr_t high;  // one past the last byte
    bool found;
};

// The readable part of the calling thread's stack, when it holds address
// (on Linux, the readable mapping that holds it). found is false, and the
// bounds 0, when the bounds cannot be read or address is not inside them.
// Allocates nothing and leaves errno and the last system error as they
// were.
StackBounds FindStackBounds(std::uintptr_t address);

}  // namespace conkit
