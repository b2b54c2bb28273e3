// Operations on zero-terminated texts in the caller's storage: compare,
// copy, cut a repeated character off the end, upper-case. Characters are
// unsigned 8-bit values; target sizes are the caller's to get right.
#pragma once

#include <compare>
#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Returns how first orders against second, character by character as
// unsigned values; a text that begins the other orders before it.
[[nodiscard]] CONKIT_SUPPORT_API std::strong_ordering CompareText(const char* first,
                                                                  const char* second);

// Copies source with its terminator into target, first byte first; target
// must hold TextLength(source) + 1 bytes.
CONKIT_SUPPORT_API void CopyText(const char* source, char* target);

// Cuts every ch at the end of text off; a text made only of ch becomes
// empty. Occurrences elsewhere stay.
CONKIT_SUPPORT_API void TrimTrailingChar(char* text, std::uint8_t ch);

// Turns the letters a to z of text into A to Z; every other character stays.
CONKIT_SUPPORT_API void UpperCaseText(char* text);

}  // namespace conkit
