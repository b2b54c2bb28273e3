#include "conkit/input/number_input.hpp"

#include "conkit/input/line_input.hpp"

namespace conkit {

char lineInputBuffer[kLineInputCapacity] = {};

// clang-format off
const std::uint8_t hexDigitValues[kHexDigitValueCount] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,
    255, 255, 255, 255, 255, 255, 255,
    10, 11, 12, 13, 14, 15,
};
// clang-format on

UnsignedConversion ReadLineAsUnsigned() {
    const std::uint32_t count = ReadLineInput(lineInputBuffer, kLineInputCapacity);
    return ParseUnsignedText(lineInputBuffer, count);
}

SignedConversion ReadLineAsSigned() {
    const std::uint32_t count = ReadLineInput(lineInputBuffer, kLineInputCapacity);
    return ParseSignedText(lineInputBuffer, count);
}

UnsignedConversion ReadLineAsHex() {
    std::uint32_t count = ReadLineInput(lineInputBuffer, kLineInputCapacity);
    std::uint32_t index = 0;
    while (count > 0 && (lineInputBuffer[index] == ' ' || lineInputBuffer[index] == '\t')) {
        ++index;
        --count;
    }
    if (count == 0) {
        return {0, false};
    }
    std::uint32_t value = 0;
    for (; count > 0; ++index, --count) {
        auto ch = static_cast<std::uint8_t>(lineInputBuffer[index]);
        if (ch > 'F') {
            ch &= static_cast<std::uint8_t>(~0x20U);
        }
        // A character outside the table ends the number, as a non-digit
        // ends a decimal one.
        const std::uint32_t slot = ch - 0x30U;
        if (slot >= kHexDigitValueCount) {
            break;
        }
        value = value * 16 + hexDigitValues[slot];
    }
    return {value, true};
}

}  // namespace conkit
