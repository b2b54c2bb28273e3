// Code page 437, the console's character set, against Unicode: how a cell's
// byte is shown on a UTF-8 terminal, and which byte a typed character gives.
#pragma once

#include <cstdint>

namespace conkit::host::decoding {

// The character a cell holding byte shows: ASCII as itself, 0x00 as a space,
// 0x01-0x1F and 0x7F as their display glyphs, 0x80-0xFF as code page 437.
// Defined for every byte.
char32_t Cp437ToUnicode(std::uint8_t byte);

// The code page 437 byte of a typed character: ASCII, control codes included,
// as itself; 0 when code page 437 has no such character. The display glyphs
// of the control positions give 0, so a typed symbol never acts as a
// control code.
std::uint8_t UnicodeToCp437(char32_t code);

// Writes code as UTF-8 into out; returns the byte count (1 to 4). Code points
// beyond U+10FFFF and surrogates are written as U+FFFD.
std::uint32_t EncodeUtf8(char32_t code, char out[4]);

}  // namespace conkit::host::decoding
