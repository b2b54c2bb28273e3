// Console output: the cursor, the text attribute, characters and texts at
// the cursor, and pauses. Each routine is a thin wrapper over one console
// call; none reports failure, and a failed call simply has no effect.
// Positions are 8-bit: a column or row is 0 to 255, so cells beyond the
// 256th column or row of a larger screen buffer cannot be reached.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Fetches the standard input and output handles. Every console routine
// calls it on first use, so programs never need to.
CONKIT_CONSOLE_API void ConsoleInit();

// Places the cursor at (column, row) of the screen buffer; outside the
// buffer the cursor stays where it was.
CONKIT_CONSOLE_API void SetCursorAt(std::uint8_t column, std::uint8_t row);

// Characters written afterwards take the low 16 bits of attribute: the
// background colour index in bits 4-7, the foreground in bits 0-3.
CONKIT_CONSOLE_API void ApplyTextAttribute(std::uint32_t attribute);

// Writes one character at the cursor, which advances by one cell.
CONKIT_CONSOLE_API void EmitChar(std::uint8_t ch);

// Writes a zero-terminated text at the cursor in one console write; CR
// returns to column 0 and LF starts the next row.
CONKIT_CONSOLE_API void EmitText(const char* text);

// Returns the number of characters before the terminating zero.
[[nodiscard]] CONKIT_CONSOLE_API std::uint32_t TextLength(const char* text);

// Pauses for the given number of milliseconds.
CONKIT_CONSOLE_API void PauseMs(std::uint32_t milliseconds);

}  // namespace conkit
