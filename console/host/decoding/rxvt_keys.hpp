// The key forms of rxvt-unicode that the classic forms do not cover. It
// says which modifiers are held in the final byte instead of a parameter,
// and gives the shifted function keys numbers of their own:
//   CSI n ^ / CSI n $ / CSI n @   the key of CSI n ~ with Ctrl / Shift /
//                                 Ctrl+Shift
//   CSI n ~, n = 25 26 28 29 31-34   Shift with F3 to F10 (the numbers
//                                 after F12's 24; Shift with F1 and F2 are
//                                 F11's and F12's numbers)
//   CSI a-d                       Shift with Up, Down, Right, Left
//   SS3 a-d                       Ctrl with Up, Down, Right, Left
// Alt comes as ESC before the whole sequence (key_decoder.cpp).
#pragma once

#include <optional>

#include "conkit/host/console_types.hpp"
#include "console/host/decoding/control_sequence.hpp"

namespace conkit::host::decoding {

// The key of a CSI sequence in one of the forms above; nothing for any
// other sequence.
std::optional<KeyEventRecord> RxvtCsiKey(const ControlSequence& sequence);

// The key of SS3 a-d; nothing for any other SS3 sequence.
std::optional<KeyEventRecord> RxvtSs3Key(const ControlSequence& sequence);

}  // namespace conkit::host::decoding
