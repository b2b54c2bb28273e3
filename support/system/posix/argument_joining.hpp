// Builds a command line as the Windows command line shows one from the
// arguments a POSIX process was started with.
#pragma once

#include <cstdint>

namespace conkit::os {

// arguments holds size bytes of zero-ended arguments, the program name
// first (the layout of /proc/self/cmdline). Writes them into line, each
// after one blank, an argument that is empty or holds a space or a tab in
// double quotes, and every argument escaped so that the Windows parser
// splits the line back into the same arguments (\" for a double quote,
// backslashes before one doubled); the program name loses any double
// quotes of its own, which
// would otherwise open a stretch that nothing closes. Only whole arguments
// are written, as many as fit in capacity bytes (at least 1) with the
// terminator; an argument not ended by a zero is left out. Returns the
// length of the line.
std::uint32_t JoinArguments(const char* arguments, std::uint32_t size, char* line,
                            std::uint32_t capacity);

}  // namespace conkit::os
