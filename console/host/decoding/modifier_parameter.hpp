// The modifier parameter of key sequences, "modifiers[:event]": modifiers is
// 1 plus a bit set (1 Shift, 2 Alt, 4 Ctrl, 8 Super, 16 Hyper, 32 Meta,
// 64 Caps Lock, 128 Num Lock), event is 1 press, 2 repeat, 3 release.
// xterm sends the modifiers alone; the kitty keyboard protocol adds the
// event and the lock bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "conkit/host/console_types.hpp"
#include "console/host/decoding/control_sequence.hpp"

namespace conkit::host::decoding {

struct Modifiers {
    // The control-key state bits of Shift, Alt, Ctrl, Caps Lock and Num
    // Lock; Super, Hyper and Meta have none.
    std::uint32_t controlState = 0;
    // 0 for a release, 1 for a press or repeat.
    std::uint32_t keyDown = 1;
};

// Reads parameter index of sequence; an absent parameter is no modifier and
// a press. Nothing when the modifiers or the event are out of range.
std::optional<Modifiers> ReadModifiers(const ControlSequence& sequence, std::size_t index);

// record with the modifiers' control-key state added and their key-down flag.
KeyEventRecord WithModifiers(KeyEventRecord record, const Modifiers& modifiers);

}  // namespace conkit::host::decoding
