// Numbers typed at the console: one line is read into lineInputBuffer and
// converted. None of these writes a prompt.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"
#include "conkit/input/number_parsing.hpp"

namespace conkit {

// The line each number input reads into; it keeps the last entry (at most
// 79 characters and the terminator) until the next number input.
inline constexpr std::uint32_t kLineInputCapacity = 80;
extern CONKIT_SUPPORT_API char lineInputBuffer[kLineInputCapacity];

// Digit values of the characters '0' (index 0) to 'F' (index 22); the seven
// characters ':' to '@' between them count 255 each.
inline constexpr std::uint32_t kHexDigitValueCount = 23;
extern CONKIT_SUPPORT_API const std::uint8_t hexDigitValues[kHexDigitValueCount];

// Reads a line and returns ParseUnsignedText of it: invalid for an empty
// line, a line of blanks, no input, or a number above 4294967295.
[[nodiscard]] CONKIT_SUPPORT_API UnsignedConversion ReadLineAsUnsigned();

// Reads a line and returns ParseSignedText of it (which writes a message
// when it is invalid); 0 valid for an empty line, blanks or no input.
[[nodiscard]] CONKIT_SUPPORT_API SignedConversion ReadLineAsSigned();

// Reads a line and returns its hexadecimal number after leading blanks,
// valid, in either case of the letters; only the last eight digits count.
// The characters ':' to '@' (and '`', the small form of '@') count 255
// each; any other character ends the number. Invalid for an empty line, a
// line of blanks, or no input.
[[nodiscard]] CONKIT_SUPPORT_API UnsignedConversion ReadLineAsHex();

}  // namespace conkit
