// Splits a control sequence (what follows CSI or SS3) into its private
// marker, parameters with their colon-separated sub-parameters, intermediate
// byte and final byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace conkit::host::decoding {

struct ControlSequence {
    static constexpr std::size_t kMaxParameters = 8;
    static constexpr std::size_t kMaxSubParameters = 4;
    // Larger numbers are held at this value; no report needs more.
    static constexpr std::uint32_t kLargestValue = 0xFFFFFF;

    // "<", "=", ">" or "?" before the parameters, or 0.
    std::uint8_t marker = 0;
    // The last byte of 0x20-0x2F before the final byte, or 0.
    std::uint8_t intermediate = 0;
    std::uint8_t final = 0;
    // A marker after the first byte or a parameter after an intermediate.
    bool malformed = false;
    // Parameters seen, at most kMaxParameters; later ones are dropped.
    std::size_t count = 0;
    std::array<std::array<std::uint32_t, kMaxSubParameters>, kMaxParameters> values{};
    std::array<std::array<bool, kMaxSubParameters>, kMaxParameters> present{};

    // Sub-parameter sub of parameter index, or fallback when it is absent or
    // empty.
    std::uint32_t Value(std::size_t index, std::size_t sub, std::uint32_t fallback) const;
};

enum class SequenceStatus : std::uint8_t {
    // The final byte came; length counts it.
    complete,
    // The bytes end before the final byte.
    incomplete,
    // A byte that belongs to no control sequence (a C0 control, DEL or a
    // byte above 0x7F) came first; length counts the bytes before it.
    interrupted,
};

struct SequenceScan {
    SequenceStatus status;
    std::size_t length;
};

// Reads the control sequence at the front of bytes into sequence.
SequenceScan ScanControlSequence(const std::uint8_t* bytes, std::size_t count,
                                 ControlSequence& sequence);

}  // namespace conkit::host::decoding
