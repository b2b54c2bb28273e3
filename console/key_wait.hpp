// Waiting for a key with the whole of what PollKey reports, for the kit's
// own waits that need more than the key code (a message box's arrows).
#pragma once

#include "conkit/export.hpp"
#include "conkit/keys.hpp"

namespace conkit {

// Waits as WaitKey does: a 10 ms pause, then polls, waiting in the kernel
// between them where the host can. Returns the key that came.
CONKIT_CONSOLE_API PolledKey AwaitKeyPress();

}  // namespace conkit
