#include "conkit/numbers.hpp"

#include "conkit/output.hpp"
#include "console/console_state.hpp"

namespace conkit {

namespace {

constexpr char hexDigitChars[17] = "0123456789ABCDEF";

// Digits are stored from the last place leftwards; the terminator after the
// last place is never overwritten.
constexpr std::uint32_t kDecimalPlaces = 12;
char decimalText[kDecimalPlaces + 1] = {};

// Ten digits and the sign fill all eleven places.
constexpr std::uint32_t kSignedPlaces = 11;
char signedText[kSignedPlaces + 1] = {};
std::uint8_t negativeFlag = 0;

char hexText[9] = {};

// Width 1 and 2 stand; every other width means 4 bytes.
std::uint32_t EffectiveWidth(std::int32_t width) {
    return width == 1 || width == 2 ? static_cast<std::uint32_t>(width) : 4U;
}

std::uint32_t LowBits(std::uint32_t value, std::uint32_t widthBytes) {
    return widthBytes == 4 ? value : value & ((1U << (8U * widthBytes)) - 1U);
}

}  // namespace

char HexDigit(std::uint8_t value) {
    // The mask keeps a value outside 0-15 inside the table.
    return hexDigitChars[value & 0x0FU];
}

void EmitHexByte(std::uint8_t value) {
    scratchText[0] = HexDigit(static_cast<std::uint8_t>(value >> 4U));
    scratchText[1] = HexDigit(value);
    scratchText[2] = '\0';
    EmitText(scratchText);
}

void EmitDecimal(std::uint32_t value) {
    EnsureConsoleReady();
    std::uint32_t place = kDecimalPlaces;
    do {
        --place;
        decimalText[place] = HexDigit(static_cast<std::uint8_t>(value % 10U));
        value /= 10U;
    } while (value != 0);
    EmitText(&decimalText[place]);
}

void EmitSigned(std::int32_t value) {
    EnsureConsoleReady();
    negativeFlag = value < 0 ? std::uint8_t{1} : std::uint8_t{0};
    // Two's-complement negation read as unsigned: -2147483648 gives 2147483648.
    std::uint32_t magnitude = static_cast<std::uint32_t>(value);
    if (negativeFlag != 0) {
        magnitude = 0U - magnitude;
    }
    std::uint32_t place = kSignedPlaces;
    do {
        --place;
        signedText[place] = static_cast<char>('0' + magnitude % 10U);
        magnitude /= 10U;
    } while (magnitude != 0);
    --place;
    signedText[place] = negativeFlag != 0 ? '-' : '+';
    EmitText(&signedText[place]);
}

void EmitHex(std::uint32_t value, std::int32_t width) {
    const std::uint32_t bytes = EffectiveWidth(width);
    value = LowBits(value, bytes);
    EnsureConsoleReady();
    // The terminator goes in anew every call, so a short text after a long
    // one is cut where it ends.
    std::uint32_t place = 2U * bytes;
    hexText[place] = '\0';
    do {
        --place;
        hexText[place] = HexDigit(static_cast<std::uint8_t>(value % 16U));
        value /= 16U;
    } while (value != 0);
    while (place > 0) {
        --place;
        hexText[place] = '0';
    }
    EmitText(hexText);
}

void EmitBinary(std::uint32_t value, std::int32_t width) {
    const std::uint32_t bits = 8U * EffectiveWidth(width);
    std::uint32_t place = 0;
    for (std::uint32_t bit = bits; bit > 0; --bit) {
        scratchText[place++] = ((value >> (bit - 1U)) & 1U) != 0 ? '1' : '0';
        if ((bit - 1U) % 4U == 0) {
            scratchText[place++] = ' ';
        }
    }
    // The blank after the last group becomes the terminator.
    scratchText[place - 1U] = '\0';
    EmitText(scratchText);
}

}  // namespace conkit
