// The key code PollKey reports for a key event, shared with the memory
// console's key presses so the two cannot drift apart.
#pragma once

#include <cstdint>

#include "conkit/host/console_types.hpp"

namespace conkit {

// The event's scan code, translated as TranslateExtendedKey does, times 256
// plus its character.
std::uint32_t KeyCodeOf(const host::KeyEventRecord& key);

}  // namespace conkit
