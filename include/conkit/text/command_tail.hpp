// The command tail: what follows the program name on the process's command
// line.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Copies the command tail, with its terminator, into target and returns
// true; the tail is taken as it stands, blanks included. Returns false,
// leaving an empty text in target, when there is no tail or it is empty.
// target must hold the tail and its terminator: CommandTailLength() + 1
// bytes. The form with a capacity below cannot overflow.
CONKIT_SUPPORT_API bool CopyCommandTail(char* target);

// What a bounded copy of the command tail did.
struct CommandTailCopy {
    bool copied;  // the tail is not empty: target holds it, or its beginning
    bool cut;     // the tail was longer than capacity - 1 characters
};

// Copies as much of the command tail as target's capacity (in bytes, the
// terminator included) holds, and always ends it with a terminator: a tail
// too long keeps its first capacity - 1 characters. No tail leaves an empty
// text. A capacity of 0 writes nothing.
CONKIT_SUPPORT_API CommandTailCopy CopyCommandTail(char* target, std::uint32_t capacity);

// The length of the command tail in characters, without the terminator; 0
// when there is none.
[[nodiscard]] CONKIT_SUPPORT_API std::uint32_t CommandTailLength();

}  // namespace conkit
