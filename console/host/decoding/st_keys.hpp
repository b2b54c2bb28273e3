// The key forms of st with its keypad in normal mode (the host leaves it
// there: in application mode st, like rxvt-unicode, sends the keypad's
// arrows as the keypad's digits). Editing keys come as the control
// functions they stand for:
//   CSI 4 h / CSI 4 l    Insert / Shift+Insert
//   CSI L                Ctrl+Insert
//   CSI P                Delete, except from a terminal that speaks the
//                        kitty keyboard protocol, where it is F1
//   CSI M / CSI 2 K      Ctrl+Delete / Shift+Delete
//   CSI J / CSI K        Ctrl+End / Shift+End
//   CSI 2 J              Shift+Home
#pragma once

#include <optional>

#include "conkit/host/console_types.hpp"
#include "console/host/decoding/control_sequence.hpp"

namespace conkit::host::decoding {

// The key of a CSI sequence in one of the forms above; nothing for any
// other sequence. kittyTerminal: the terminal has answered the kitty
// keyboard query.
std::optional<KeyEventRecord> StCsiKey(const ControlSequence& sequence, bool kittyTerminal);

}  // namespace conkit::host::decoding
