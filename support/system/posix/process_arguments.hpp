// The process's arguments as the system keeps them, so programs need not
// pass theirs on: each argument ended by a NUL byte, the program's name
// first.
#pragma once

#include <cstdint>

namespace conkit::os {

// Fills arguments (size bytes, at least 2) and returns the number of bytes
// written, 0 when the system does not tell. An argument cut off by the end
// of the room is left without its NUL, so that it can be told from a whole
// one.
std::uint32_t ReadProcessArguments(char* arguments, std::uint32_t size);

}  // namespace conkit::os
