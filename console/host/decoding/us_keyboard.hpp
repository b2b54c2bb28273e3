// The keys of a US PC keyboard as console key events: the Windows
// virtual-key code, the PC set-1 scan code and the code page 437 character.
#pragma once

#include <cstdint>

#include "conkit/host/console_types.hpp"

namespace conkit::host::decoding {

// One physical key: what a press of it reports before modifiers. A
// virtualKey of 0 stands for a key this keyboard does not have.
struct KeyShape {
    std::uint16_t virtualKey = 0;
    std::uint8_t scan = 0;
    std::uint8_t character = 0;
    bool enhanced = false;
};

// The control-key state bits a decoded modifier sets. The terminal does not
// say which side was held; the left keys stand for both.
inline constexpr std::uint32_t kShiftBit = kShiftPressed;
inline constexpr std::uint32_t kAltBit = kLeftAltPressed;
inline constexpr std::uint32_t kCtrlBit = kLeftCtrlPressed;

// Virtual-key code of a character typed without a key of its own.
inline constexpr std::uint16_t kPacketVirtualKey = 0xE7;

inline constexpr KeyShape kEscapeKey{0x1B, 0x01, 0x1B};
inline constexpr KeyShape kEnterKey{0x0D, 0x1C, 0x0D};
inline constexpr KeyShape kTabKey{0x09, 0x0F, 0x09};
inline constexpr KeyShape kBackspaceKey{0x08, 0x0E, 0x08};
inline constexpr KeyShape kUpKey{0x26, 0x48, 0, true};
inline constexpr KeyShape kDownKey{0x28, 0x50, 0, true};
inline constexpr KeyShape kLeftKey{0x25, 0x4B, 0, true};
inline constexpr KeyShape kRightKey{0x27, 0x4D, 0, true};
inline constexpr KeyShape kHomeKey{0x24, 0x47, 0, true};
inline constexpr KeyShape kEndKey{0x23, 0x4F, 0, true};
inline constexpr KeyShape kPageUpKey{0x21, 0x49, 0, true};
inline constexpr KeyShape kPageDownKey{0x22, 0x51, 0, true};
inline constexpr KeyShape kInsertKey{0x2D, 0x52, 0, true};
inline constexpr KeyShape kDeleteKey{0x2E, 0x53, 0, true};
// The keypad's middle key with Num Lock off.
inline constexpr KeyShape kClearKey{0x0C, 0x4C, 0};

// Function key number (1 to 12); an empty shape for any other number.
KeyShape FunctionKey(std::uint32_t number);

// Keypad keys with Num Lock on, by the character they type: "0" to "9",
// ".", "/", "*", "-", "+", and "\r" for the keypad's Enter. An empty shape
// for any other character.
KeyShape KeypadKey(char character);

// The key that types byte (0x00-0x7F) and the modifiers it needs: Shift for
// shifted characters, Ctrl for control codes. 0x08 and 0x7F are Backspace,
// 0x09 Tab, 0x0D Enter, 0x1B Escape and 0x00 Ctrl+Space. Returns a key down
// event for every byte; bytes above 0x7F give an empty record.
KeyEventRecord KeyForByte(std::uint8_t byte);

// A non-ASCII character: the packet virtual key with no scan code, and the
// character's code page 437 byte (0 when it has none).
KeyEventRecord KeyForCharacter(char32_t code);

// A key down event of shape with the given control-key state.
KeyEventRecord KeyDown(const KeyShape& shape, std::uint32_t controlState);

// What the key of unshifted (a printable ASCII character) types with Shift
// held: "a" gives "A", "1" gives "!". Returns unshifted when Shift does not
// change it.
std::uint8_t ShiftedCharacter(std::uint8_t unshifted);

// What the key of unshifted types with Ctrl held: letters give 0x01-0x1A,
// "[", "\\", "]", "6" and "-" give 0x1B-0x1F, space stays; every other key
// gives 0.
std::uint8_t ControlCharacter(std::uint8_t unshifted);

}  // namespace conkit::host::decoding
