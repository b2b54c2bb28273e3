// Small screen routines: a line break, clearing the screen buffer, its size,
// the current attribute, and the any-key prompt. Sizes are 8-bit, as the
// positions of <conkit/output.hpp> are: a dimension of 256 or more comes
// back as its low 8 bits.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Writes CR LF at the cursor.
CONKIT_SUPPORT_API void NewLine();

// Blanks every row of the screen buffer (up to 512 cells of each) with the
// current attribute, then puts the cursor at column 0, row 0. Does nothing
// when the output is not a console.
CONKIT_SUPPORT_API void ClearConsole();

struct ScreenSize {
    std::uint8_t columns;
    std::uint8_t rows;
};

// The screen buffer's size, the low 8 bits of each dimension; zeros when
// the output is not a console.
[[nodiscard]] CONKIT_SUPPORT_API ScreenSize QueryScreenSize();

// The console's current attribute, all 16 bits; zero when the output is not
// a console.
[[nodiscard]] CONKIT_SUPPORT_API std::uint32_t QueryTextAttribute();

// Writes "Press any key to continue..." and waits for one key press.
CONKIT_SUPPORT_API void PromptAnyKey();

}  // namespace conkit
