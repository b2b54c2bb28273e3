#include "console/host/decoding/modifier_parameter.hpp"

#include "console/host/decoding/us_keyboard.hpp"

namespace conkit::host::decoding {

std::optional<Modifiers> ReadModifiers(const ControlSequence& sequence, std::size_t index) {
    const std::uint32_t encoded = sequence.Value(index, 0, 1);
    const std::uint32_t event = sequence.Value(index, 1, 1);
    if (encoded == 0 || encoded > 256 || event == 0 || event > 3) {
        return std::nullopt;
    }
    const std::uint32_t bits = encoded - 1;
    Modifiers modifiers;
    modifiers.controlState =
        ((bits & 1U) != 0 ? kShiftBit : 0U) | ((bits & 2U) != 0 ? kAltBit : 0U) |
        ((bits & 4U) != 0 ? kCtrlBit : 0U) | ((bits & 64U) != 0 ? kCapsLockOn : 0U) |
        ((bits & 128U) != 0 ? kNumLockOn : 0U);
    modifiers.keyDown = event == 3 ? 0U : 1U;
    return modifiers;
}

KeyEventRecord WithModifiers(KeyEventRecord record, const Modifiers& modifiers) {
    record.controlState |= modifiers.controlState;
    record.keyDown = modifiers.keyDown;
    return record;
}

}  // namespace conkit::host::decoding
