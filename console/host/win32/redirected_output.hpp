// Text for a standard handle that is no console (a file or a pipe),
// collected as a C program's standard output is and written in large
// pieces: when the collection fills, when the program waits or reads input,
// and on every way out (a return from main, exit, ExitProcess, and the
// console's Ctrl+C, Ctrl+Break and close events). One WriteFile a line
// costs milliseconds under Wine.
#pragma once

#include <cstdint>

#include "conkit/host/console_types.hpp"

namespace conkit::host::win32 {

// True when output is no console (a file or a pipe). The answer is kept
// for the last handle asked about: under Wine each console call that fails
// on such a handle costs a round trip to the server.
bool IsRedirectedOutput(Handle output);

// Collects count characters for output; returns false when an earlier
// write of the collected text failed.
bool CollectRedirected(Handle output, const char* chars, std::uint32_t count);

// Writes what is collected.
void FlushRedirected();

}  // namespace conkit::host::win32
