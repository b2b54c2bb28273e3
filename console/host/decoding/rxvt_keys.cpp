#include "console/host/decoding/rxvt_keys.hpp"

#include "console/host/decoding/legacy_keys.hpp"
#include "console/host/decoding/us_keyboard.hpp"

namespace conkit::host::decoding {
namespace {

struct NumberedKey {
    KeyShape shape;
    std::uint32_t state;
};

// The key of number in CSI number ~, the shifted function keys included.
NumberedKey KeyOfNumber(std::uint32_t number) {
    const KeyShape plain = TildeKey(number);
    if (plain.virtualKey != 0) {
        return {plain, 0};
    }
    // 25 26 are F3 F4, 28 29 F5 F6, 31 to 34 F7 to F10: gaps as between
    // F5's 15 and F6's 17.
    switch (number) {
        case 25:
        case 26:
            return {FunctionKey(number - 22), kShiftBit};
        case 28:
        case 29:
            return {FunctionKey(number - 23), kShiftBit};
        case 31:
        case 32:
        case 33:
        case 34:
            return {FunctionKey(number - 24), kShiftBit};
        default:
            return {};
    }
}

// Up, Down, Right, Left for a, b, c, d; an empty shape for any other byte.
KeyShape ArrowOfLowerCase(std::uint8_t final) {
    return final >= 'a' && final <= 'd' ? CsiFinalKey(final - 'a' + 'A') : KeyShape{};
}

std::optional<KeyEventRecord> KeyWith(const KeyShape& shape, std::uint32_t state) {
    if (shape.virtualKey == 0) {
        return std::nullopt;
    }
    return KeyDown(shape, state);
}

}  // namespace

std::optional<KeyEventRecord> RxvtCsiKey(const ControlSequence& sequence) {
    if (sequence.count > 1) {
        return std::nullopt;
    }
    if (sequence.count == 0) {
        return KeyWith(ArrowOfLowerCase(sequence.final), kShiftBit);
    }
    std::uint32_t modifiers = 0;
    switch (sequence.final) {
        case '~':
            break;
        case '^':
            modifiers = kCtrlBit;
            break;
        case '$':
            modifiers = kShiftBit;
            break;
        case '@':
            modifiers = kCtrlBit | kShiftBit;
            break;
        default:
            return std::nullopt;
    }
    const NumberedKey key = KeyOfNumber(sequence.Value(0, 0, 0));
    return KeyWith(key.shape, key.state | modifiers);
}

std::optional<KeyEventRecord> RxvtSs3Key(const ControlSequence& sequence) {
    if (sequence.count != 0) {
        return std::nullopt;
    }
    return KeyWith(ArrowOfLowerCase(sequence.final), kCtrlBit);
}

}  // namespace conkit::host::decoding
