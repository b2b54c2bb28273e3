// Pointer-sized values in hexadecimal, as every dump shows addresses and
// register or stack contents.
#pragma once

#include <cstdint>

namespace conkit {

// Writes value as 8 upper-case hex digits on a 32-bit processor and as 16
// on a 64-bit one (two 8-digit writes, the high half first).
void EmitAddressHex(std::uintptr_t value);

}  // namespace conkit
