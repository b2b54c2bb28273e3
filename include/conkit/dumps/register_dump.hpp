// The caller's register set, as it stood at the call, written in three
// lines (four on x86-64, nine on arm64): the general registers, the
// instruction pointer, the flags register and its single status flags.
#pragma once

#include "conkit/export.hpp"

namespace conkit {

// Writes the registers and flags of the code that calls it, which finds
// every register and flag as it was before the call. x86-64, i386 and
// arm64 (docs/dumps.md says on which systems); elsewhere one line says it
// is not available. No result, no failure.
CONKIT_SUPPORT_API void DumpRegisterSet();

}  // namespace conkit
