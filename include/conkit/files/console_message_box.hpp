// A modal message box drawn on the console: a double frame with the caption
// in its top edge, the text wrapped inside, and the buttons OK, or Yes and
// No. Left, Right and Tab move between buttons; Enter or space presses the
// chosen one; "y" and "n" answer at once; Escape answers No or closes OK.
// When it closes, every cell it covered, the cursor and the attribute are
// as they were before.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Shows the box centred in the screen buffer (clipped when the buffer is
// smaller) and waits for the answer. style is the platform's: 0 for OK, 0x24
// (or 0x04) for Yes and No. Returns the button pressed (1 for OK, 6 for Yes,
// 7 for No), or 0 when the output is not a console or the style asks for
// other buttons.
CONKIT_SUPPORT_API std::int32_t ShowConsoleMessageBox(const char* text, const char* caption,
                                                      std::uint32_t style);

}  // namespace conkit
