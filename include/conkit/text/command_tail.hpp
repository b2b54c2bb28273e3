// The command tail: what follows the program name on the process's command
// line.
#pragma once

#include "conkit/export.hpp"

namespace conkit {

// Copies the command tail, with its terminator, into target and returns
// true; the tail is taken as it stands, blanks included. Returns false,
// leaving an empty text in target, when there is no tail or it is empty.
// target must hold the tail and its terminator.
CONKIT_SUPPORT_API bool CopyCommandTail(char* target);

}  // namespace conkit
