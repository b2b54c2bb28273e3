// Key reports of the kitty keyboard protocol,
//   CSI code[:shifted[:base]] ; modifiers[:event] ; text u
// where code is the Unicode code point of the key's unshifted character, or
// a private-use number for keys without one (57358 Caps Lock ... 57441 left
// Shift ...), shifted the character with Shift, and text the code points
// the key types. xterm's modifyOtherKeys form CSI 27 ; modifiers ; code ~
// carries the same code and modifiers.
#pragma once

#include <optional>

#include "conkit/host/console_types.hpp"
#include "console/host/decoding/control_sequence.hpp"

namespace conkit::host::decoding {

// The key event of a CSI ... u report; nothing for a key this keyboard does
// not have or a report out of range.
std::optional<KeyEventRecord> KittyKey(const ControlSequence& sequence);

// The key event of a CSI 27 ; modifiers ; code ~ report; nothing when out of
// range.
std::optional<KeyEventRecord> ModifiedOtherKey(const ControlSequence& sequence);

}  // namespace conkit::host::decoding
