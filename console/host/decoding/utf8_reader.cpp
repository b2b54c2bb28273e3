#include "console/host/decoding/utf8_reader.hpp"

namespace conkit::host::decoding {
namespace {

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0U) == 0x80U;
}

}  // namespace

Utf8Read ReadUtf8(const std::uint8_t* bytes, std::size_t count) {
    const std::uint8_t lead = bytes[0];
    if (lead < 0x80) {
        return {Utf8Status::complete, 1, lead};
    }
    std::size_t length = 0;
    char32_t code = 0;
    // The smallest code point each length may carry; anything below is an
    // overlong form.
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1FU;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0FU;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07U;
        smallest = 0x10000;
    } else {
        return {Utf8Status::invalid, 1, 0};
    }
    for (std::size_t index = 1; index < length; ++index) {
        if (index >= count) {
            return {Utf8Status::incomplete, 0, 0};
        }
        if (!IsContinuation(bytes[index])) {
            return {Utf8Status::invalid, index, 0};
        }
        code = (code << 6) | (bytes[index] & 0x3FU);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {Utf8Status::invalid, length, 0};
    }
    return {Utf8Status::complete, length, code};
}

}  // namespace conkit::host::decoding
