// The console layer's static storage, shared by every console routine of the
// kit: the two standard handles, fetched once, and the scratch text that
// EmitChar and the number writers build their texts in. The support library
// reaches it too, so a shared build exports it, though no public header
// declares it.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"
#include "conkit/host/console_types.hpp"

namespace conkit {

// 1 once ConsoleInit has fetched the handles.
extern std::uint8_t consoleReady;
extern CONKIT_CONSOLE_API host::Handle inputHandle;
extern CONKIT_CONSOLE_API host::Handle outputHandle;

// Long enough for the longest binary number text (39 characters) and its
// terminator; byte 0 is EmitChar's one-character cell.
inline constexpr std::uint32_t kScratchTextSize = 40;
extern CONKIT_CONSOLE_API char scratchText[kScratchTextSize];

// Calls ConsoleInit unless the handles were fetched already: the first step
// of every console routine that needs a handle.
CONKIT_CONSOLE_API void EnsureConsoleReady();

}  // namespace conkit
