// Numbers written as text at the console cursor: unsigned and signed
// decimal, zero-padded hexadecimal of 1, 2 or 4 bytes, binary in groups of
// four digits. Each number is built in a static buffer and written in one
// console write; nothing is added before or after it. The writers share
// static buffers, so none is reentrant. None reports failure: a failed
// console write simply has no effect.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Returns the upper-case digit character of value (0 to 15); a larger value
// gives the digit of its low four bits.
[[nodiscard]] CONKIT_SUPPORT_API char HexDigit(std::uint8_t value);

// Writes the two hexadecimal digits of value.
CONKIT_SUPPORT_API void EmitHexByte(std::uint8_t value);

// Writes value in decimal without leading zeros: 1 to 10 characters.
CONKIT_SUPPORT_API void EmitDecimal(std::uint32_t value);

// Writes value in decimal, always with its sign: "+0", "-2147483648".
CONKIT_SUPPORT_API void EmitSigned(std::int32_t value);

// Writes the low 8 (width 1), 16 (width 2) or all 32 bits (any other width)
// of value as 2, 4 or 8 upper-case hexadecimal digits.
CONKIT_SUPPORT_API void EmitHex(std::uint32_t value, std::int32_t width = 4);

// Writes the same bits as EmitHex in binary, most significant first, in
// groups of four digits separated by one blank: 9, 19 or 39 characters.
CONKIT_SUPPORT_API void EmitBinary(std::uint32_t value, std::int32_t width = 4);

}  // namespace conkit
