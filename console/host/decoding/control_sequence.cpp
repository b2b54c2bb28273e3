#include "console/host/decoding/control_sequence.hpp"

#include <algorithm>

namespace conkit::host::decoding {

std::uint32_t ControlSequence::Value(std::size_t index, std::size_t sub,
                                     std::uint32_t fallback) const {
    if (index >= count || sub >= kMaxSubParameters || !present[index][sub]) {
        return fallback;
    }
    return values[index][sub];
}

SequenceScan ScanControlSequence(const std::uint8_t* bytes, std::size_t count,
                                 ControlSequence& sequence) {
    sequence = ControlSequence{};
    std::size_t parameter = 0;
    std::size_t sub = 0;
    for (std::size_t index = 0; index < count; ++index) {
        const std::uint8_t byte = bytes[index];
        if (byte >= 0x40 && byte <= 0x7E) {
            sequence.final = byte;
            return {SequenceStatus::complete, index + 1};
        }
        if (byte < 0x20 || byte > 0x7E) {
            return {SequenceStatus::interrupted, index};
        }
        // "$" is an intermediate byte, but rxvt-unicode ends its Shift key
        // forms with it (CSI 2 $); no reply the host asks for has it
        // without a private marker.
        if (byte == '$' && sequence.marker == 0) {
            sequence.final = byte;
            return {SequenceStatus::complete, index + 1};
        }
        if (byte <= 0x2F) {
            sequence.intermediate = byte;
            continue;
        }
        if (sequence.intermediate != 0) {
            sequence.malformed = true;
            continue;
        }
        if (byte >= 0x3C) {
            if (index == 0) {
                sequence.marker = byte;
            } else {
                sequence.malformed = true;
            }
            continue;
        }
        // A digit, ";" or ":" opens the first parameter. Parameters past
        // the last slot are read but dropped.
        if (byte == ';') {
            parameter = std::min(parameter + 1, ControlSequence::kMaxParameters);
            sub = 0;
        } else if (byte == ':') {
            ++sub;
        } else if (parameter < ControlSequence::kMaxParameters &&
                   sub < ControlSequence::kMaxSubParameters) {
            std::uint32_t& value = sequence.values[parameter][sub];
            value = std::min(value * 10 + static_cast<std::uint32_t>(byte - '0'),
                             ControlSequence::kLargestValue);
            sequence.present[parameter][sub] = true;
        }
        sequence.count = std::min(parameter + 1, ControlSequence::kMaxParameters);
    }
    return {SequenceStatus::incomplete, count};
}

}  // namespace conkit::host::decoding
