// A message box for a process whose input or output is no terminal: the
// caption and text are written to one descriptor, and a question's answer is
// read as one line from another.
#pragma once

#include <cstdint>

#include "conkit/system/system_services.hpp"

namespace conkit::system {

// Writes the caption (unless blank) and the text, each on a line of its own,
// to output. An OK box returns kIdOk at once. A question adds the line
// "[y/N]" and reads one line from input: "y" or "yes" in any case, blanks
// around it allowed, returns kIdYes; anything else, or the end of the
// input, kIdNo.
// Styles with other buttons return 0 and write nothing. Reads byte by byte,
// so no input past the answer's line is taken from the descriptor.
std::int32_t PromptOnStreams(int input, int output, const char* text, const char* caption,
                             std::uint32_t style);

}  // namespace conkit::system
