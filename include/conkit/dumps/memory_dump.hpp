// A block of memory written as hexadecimal units of 1, 2 or 4 bytes under a
// header that names the block's address.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Writes count units of the block at address: unitSize 4 gives 32-bit
// units, 2 gives 16-bit units, any other value single bytes, 16 to a line.
// The caller passes readable memory; a count of 0 writes the header and
// the closing line end and reads nothing. No result, no failure.
CONKIT_SUPPORT_API void DumpMemoryBlock(const void* address, std::uint32_t count,
                                        std::uint32_t unitSize);

}  // namespace conkit
