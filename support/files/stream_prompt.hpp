// A message box for a process whose input or output is no terminal: the
// caption and text are written to a descriptor, and a question's answer is
// read as one line through the console's own line read.
#pragma once

#include <cstdint>

#include "conkit/files/box_answers.hpp"

namespace conkit {

// Writes the caption (unless blank) and the text, each on a line of its
// own (ended by CR LF on a terminal, LF elsewhere), to output. An OK box
// returns kIdOk at once. A question adds the line "[y/N]" and reads one
// line from the console's input, as ReadLineInput does (from what earlier
// line reads read ahead, echoed and edited where the input is a terminal):
// "y" or "yes" in any case, blanks around it allowed, returns kIdYes;
// anything else, a line too long for any of them (31 characters or more)
// or the end of the input, kIdNo. Styles with other buttons return 0 and
// write nothing.
std::int32_t PromptOnStreams(int output, const char* text, const char* caption,
                             std::uint32_t style);

}  // namespace conkit
