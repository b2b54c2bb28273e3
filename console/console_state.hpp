// The console layer's static storage, shared by every console routine of the
// kit: the two standard handles, fetched once, and the scratch text that
// EmitChar and the number writers build their texts in.
#pragma once

#include <cstdint>

#include "conkit/host/console_types.hpp"

namespace conkit {

// 1 once ConsoleInit has fetched the handles.
extern std::uint8_t consoleReady;
extern host::Handle inputHandle;
extern host::Handle outputHandle;

// Long enough for the longest binary number text (39 characters) and its
// terminator; byte 0 is EmitChar's one-character cell.
inline constexpr std::uint32_t kScratchTextSize = 40;
extern char scratchText[kScratchTextSize];

// Characters written by the last console write; filled, never read.
extern std::uint32_t charactersWritten;

}  // namespace conkit
