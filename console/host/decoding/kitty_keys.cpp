#include "console/host/decoding/kitty_keys.hpp"

#include <iterator>

#include "console/host/decoding/code_page_437.hpp"
#include "console/host/decoding/modifier_parameter.hpp"
#include "console/host/decoding/us_keyboard.hpp"

namespace conkit::host::decoding {
namespace {

constexpr char32_t kLargestCodePoint = 0x10FFFF;
constexpr char32_t kFirstPrivateUse = 0xE000;
constexpr char32_t kLastPrivateUse = 0xF8FF;

constexpr char32_t kCapsLock = 57358;
constexpr char32_t kFirstF13 = 57376;
constexpr char32_t kFirstKeypadDigit = 57399;
constexpr char32_t kLeftShift = 57441;

// Keys from Caps Lock (57358) to Menu (57363).
constexpr KeyShape kLockAndSystemKeys[] = {
    {0x14, 0x3A, 0},        // Caps Lock
    {0x91, 0x46, 0},        // Scroll Lock
    {0x90, 0x45, 0, true},  // Num Lock
    {0x2C, 0x37, 0, true},  // Print Screen
    {0x13, 0x45, 0},        // Pause
    {0x5D, 0x5D, 0, true},  // Menu
};

// Scan codes of F13 to F24.
constexpr std::uint8_t kHighFunctionScans[] = {0x64, 0x65, 0x66, 0x67, 0x68, 0x69,
                                               0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x76};

// Keypad keys after the digits, from 57409 (decimal point) to 57427
// (begin); the keypad's = and separator keys have no US key.
KeyShape KeypadFunctionKey(std::size_t index) {
    constexpr char kCharacters[] = {'.', '/', '*', '-', '+', '\r'};
    if (index < std::size(kCharacters)) {
        return KeypadKey(kCharacters[index]);
    }
    // Left, Right, Up, Down, Page Up, Page Down, Home, End, Insert, Delete
    // and the middle key, as the keypad sends them with Num Lock off.
    constexpr KeyShape kNavigation[] = {
        {0x25, 0x4B, 0}, {0x27, 0x4D, 0}, {0x26, 0x48, 0}, {0x28, 0x50, 0},
        {0x21, 0x49, 0}, {0x22, 0x51, 0}, {0x24, 0x47, 0}, {0x23, 0x4F, 0},
        {0x2D, 0x52, 0}, {0x2E, 0x53, 0}, kClearKey,
    };
    constexpr std::size_t kFirstNavigation = 8;
    if (index >= kFirstNavigation && index - kFirstNavigation < std::size(kNavigation)) {
        return kNavigation[index - kFirstNavigation];
    }
    return {};
}

// Modifier keys from left Shift (57441) to ISO level 3 shift (57453), which
// a US keyboard has as right Alt. Hyper and Meta keys have no US key.
constexpr KeyShape kModifierKeys[] = {
    {0x10, 0x2A, 0},        // left Shift
    {0x11, 0x1D, 0},        // left Ctrl
    {0x12, 0x38, 0},        // left Alt
    {0x5B, 0x5B, 0, true},  // left Super
    {},                     // left Hyper
    {},                     // left Meta
    {0x10, 0x36, 0},        // right Shift
    {0x11, 0x1D, 0, true},  // right Ctrl
    {0x12, 0x38, 0, true},  // right Alt
    {0x5C, 0x5C, 0, true},  // right Super
    {},                     // right Hyper
    {},                     // right Meta
    {0x12, 0x38, 0, true},  // ISO level 3 shift
};

// The key of a private-use code; an empty shape for one without a US key.
KeyShape FunctionalKey(char32_t code) {
    if (code >= kCapsLock && code - kCapsLock < std::size(kLockAndSystemKeys)) {
        return kLockAndSystemKeys[code - kCapsLock];
    }
    if (code >= kFirstF13 && code - kFirstF13 < std::size(kHighFunctionScans)) {
        const auto index = static_cast<std::uint16_t>(code - kFirstF13);
        return {static_cast<std::uint16_t>(0x7C + index), kHighFunctionScans[index], 0};
    }
    if (code >= kFirstKeypadDigit && code - kFirstKeypadDigit < 10) {
        return KeypadKey(static_cast<char>('0' + (code - kFirstKeypadDigit)));
    }
    if (code >= kFirstKeypadDigit + 10 && code < kLeftShift) {
        return KeypadFunctionKey(code - kFirstKeypadDigit - 10);
    }
    if (code >= kLeftShift && code - kLeftShift < std::size(kModifierKeys)) {
        return kModifierKeys[code - kLeftShift];
    }
    return {};
}

bool IsLetter(std::uint8_t character) {
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
}

// The character a printable ASCII key types under the held modifiers, when
// the terminal sent no text.
std::uint8_t TypedCharacter(std::uint8_t unshifted, char32_t shifted, std::uint32_t state) {
    if ((state & kCtrlBit) != 0) {
        return ControlCharacter(unshifted);
    }
    std::uint8_t character = unshifted;
    if ((state & kShiftBit) != 0) {
        character = shifted != 0 ? UnicodeToCp437(shifted) : ShiftedCharacter(unshifted);
    }
    if ((state & kCapsLockOn) != 0 && IsLetter(character)) {
        character ^= 0x20;
    }
    return character;
}

// The key event of code with the given modifiers; text is the first code
// point the key types, or 0.
std::optional<KeyEventRecord> CodeKey(char32_t code, char32_t shifted, char32_t text,
                                      const Modifiers& modifiers) {
    if (code == 0 || code > kLargestCodePoint) {
        return std::nullopt;
    }
    KeyEventRecord record;
    if (code >= kFirstPrivateUse && code <= kLastPrivateUse) {
        const KeyShape shape = FunctionalKey(code);
        if (shape.virtualKey == 0) {
            return std::nullopt;
        }
        record = KeyDown(shape, 0);
    } else if (code >= 0x80) {
        record = KeyForCharacter(code);
    } else {
        const auto byte = static_cast<std::uint8_t>(code);
        record = KeyForByte(byte);
        const bool ctrl = (modifiers.controlState & kCtrlBit) != 0;
        if (byte >= 0x20 && byte < 0x7F) {
            record.character = TypedCharacter(byte, shifted, modifiers.controlState);
        } else if (ctrl && record.virtualKey == kEnterKey.virtualKey) {
            record.character = 0x0A;
        } else if (ctrl && record.virtualKey == kBackspaceKey.virtualKey) {
            record.character = 0x7F;
        }
    }
    if (text != 0) {
        record.character = UnicodeToCp437(text);
    }
    return WithModifiers(record, modifiers);
}

char32_t CodePoint(std::uint32_t value) {
    return value <= kLargestCodePoint ? static_cast<char32_t>(value) : 0;
}

}  // namespace

std::optional<KeyEventRecord> KittyKey(const ControlSequence& sequence) {
    const std::optional<Modifiers> modifiers = ReadModifiers(sequence, 1);
    if (!modifiers) {
        return std::nullopt;
    }
    return CodeKey(CodePoint(sequence.Value(0, 0, 0)), CodePoint(sequence.Value(0, 1, 0)),
                   CodePoint(sequence.Value(2, 0, 0)), *modifiers);
}

std::optional<KeyEventRecord> ModifiedOtherKey(const ControlSequence& sequence) {
    const std::optional<Modifiers> modifiers = ReadModifiers(sequence, 1);
    if (!modifiers) {
        return std::nullopt;
    }
    return CodeKey(CodePoint(sequence.Value(2, 0, 0)), 0, 0, *modifiers);
}

}  // namespace conkit::host::decoding
