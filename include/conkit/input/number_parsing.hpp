// Decimal text to 32-bit numbers. Each conversion skips leading blanks
// (space, tab) within the given length, then reads digits up to the first
// character that is not one: the text must end in a non-digit, normally its
// terminating zero.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// A conversion's result; value is 0 whenever valid is false.
struct UnsignedConversion {
    std::uint32_t value;
    bool valid;
};

struct SignedConversion {
    std::int32_t value;
    bool valid;
};

// Returns true exactly for the characters '0' to '9'.
[[nodiscard]] CONKIT_SUPPORT_API bool IsDecimalDigitChar(std::uint8_t ch);

// Returns the digits after the blanks as a number, valid; 0 valid when no
// digit follows the blanks. Invalid when length is 0, when blanks use up
// the length, or when the number exceeds 4294967295. Writes nothing.
[[nodiscard]] CONKIT_SUPPORT_API UnsignedConversion ParseUnsignedText(const char* text,
                                                                      std::uint32_t length);

// Returns the digits after the blanks and at most one sign as a number,
// valid; 0 valid, silently, for a length of 0 or only blanks. Invalid after
// writing " <invalid integer>" and a line break when no digit follows the
// sign, or " <32-bit integer overflow>" and a line break when the number
// lies outside -2147483648 to 2147483647.
[[nodiscard]] CONKIT_SUPPORT_API SignedConversion ParseSignedText(const char* text,
                                                                  std::uint32_t length);

}  // namespace conkit
