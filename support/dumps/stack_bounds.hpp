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

// The readable mapping that holds address (an address on the calling
// thread's stack): the thread's stack. found is false, and the bounds 0,
// when the process's memory map cannot be read or no readable mapping
// holds the address. Allocates nothing and leaves errno as it was.
StackBounds FindStackBounds(std::uintptr_t address);

}  // namespace conkit
