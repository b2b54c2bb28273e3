#include "conkit/input/number_parsing.hpp"

#include "conkit/output.hpp"
#include "conkit/screen.hpp"
#include "support/text/blanks.hpp"

namespace conkit {
namespace {

constexpr std::int64_t kSignedMax = 2147483647;
constexpr std::int64_t kSignedMinMagnitude = 2147483648;

std::uint32_t DigitAt(const char* text, std::uint32_t index) {
    return static_cast<std::uint32_t>(text[index]) & 0x0FU;
}

bool IsDigitAt(const char* text, std::uint32_t index) {
    return IsDecimalDigitChar(static_cast<std::uint8_t>(text[index]));
}

// Index of the first character after the leading blanks, or length when
// the blanks use it up.
std::uint32_t SkipBlanks(const char* text, std::uint32_t length) {
    std::uint32_t index = 0;
    while (index < length && IsBlank(text[index])) {
        ++index;
    }
    return index;
}

SignedConversion RejectSigned(const char* message) {
    EmitText(message);
    NewLine();
    return {0, false};
}

}  // namespace

bool IsDecimalDigitChar(std::uint8_t ch) {
    return ch >= '0' && ch <= '9';
}

UnsignedConversion ParseUnsignedText(const char* text, std::uint32_t length) {
    std::uint32_t index = SkipBlanks(text, length);
    if (index == length) {
        return {0, false};
    }
    std::uint64_t value = 0;
    for (; IsDigitAt(text, index); ++index) {
        value = value * 10 + DigitAt(text, index);
        if (value > 0xFFFFFFFFU) {
            return {0, false};
        }
    }
    return {static_cast<std::uint32_t>(value), true};
}

SignedConversion ParseSignedText(const char* text, std::uint32_t length) {
    std::uint32_t index = SkipBlanks(text, length);
    if (index == length) {
        return {0, true};
    }
    const bool negative = text[index] == '-';
    if (negative || text[index] == '+') {
        ++index;
    }
    if (!IsDigitAt(text, index)) {
        return RejectSigned(" <invalid integer>");
    }
    std::int64_t magnitude = 0;
    for (; IsDigitAt(text, index); ++index) {
        magnitude = magnitude * 10 + DigitAt(text, index);
        if (magnitude > kSignedMax) {
            // Only the most negative number lies beyond the positive range.
            if (negative && magnitude == kSignedMinMagnitude && !IsDigitAt(text, index + 1)) {
                return {static_cast<std::int32_t>(-magnitude), true};
            }
            return RejectSigned(" <32-bit integer overflow>");
        }
    }
    return {static_cast<std::int32_t>(negative ? -magnitude : magnitude), true};
}

}  // namespace conkit
