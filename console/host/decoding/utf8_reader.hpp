// Reads one UTF-8 encoded character from the front of a byte range.
#pragma once

#include <cstddef>
#include <cstdint>

namespace conkit::host::decoding {

enum class Utf8Status : std::uint8_t { complete, incomplete, invalid };

struct Utf8Read {
    Utf8Status status;
    // complete: the bytes of the character; invalid: the bytes to throw
    // away (at least 1); incomplete: 0.
    std::size_t length;
    char32_t code;
};

// Reads the character at the front of bytes (count >= 1). Overlong forms,
// surrogates and code points beyond U+10FFFF are invalid; a valid start cut
// off by the end of the range is incomplete.
Utf8Read ReadUtf8(const std::uint8_t* bytes, std::size_t count);

}  // namespace conkit::host::decoding
