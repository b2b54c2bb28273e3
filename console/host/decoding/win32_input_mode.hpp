// Key reports of the win32-input-mode of Windows terminals,
//   CSI Vk ; Sc ; Uc ; Kd ; Cs ; Rc _
// the virtual-key code, scan code, UTF-16 character, key-down flag,
// control-key state and repeat count of a console key event. Every
// parameter may be left out: Rc then is 1, the others 0.
#pragma once

#include <optional>

#include "conkit/host/console_types.hpp"
#include "console/host/decoding/control_sequence.hpp"

namespace conkit::host::decoding {

// The key event the report carries, its character converted to code page
// 437 (0 when it has none); nothing when a value does not fit its field.
std::optional<KeyEventRecord> Win32InputKey(const ControlSequence& sequence);

}  // namespace conkit::host::decoding
