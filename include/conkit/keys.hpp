// Keyboard input: single key presses read without echo and without waiting
// for a line. A key code carries the PC scan code (set 1) in its high byte
// and the key's character in its low byte: Escape is 0x011B, Enter 0x1C0D.
//
// When the input has ended (a file or pipe with nothing more to give, or a
// terminal that hung up) and no key is queued, PollKey and WaitKey do not
// return: the process says "<program>: input ended" on the standard error
// and ends with status 74.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Key codes of keys pressed with no Ctrl or Alt held.
inline constexpr std::uint32_t kKeyEscape = 0x011B;
inline constexpr std::uint32_t kKeyEnter = 0x1C0D;
inline constexpr std::uint32_t kKeyTab = 0x0F09;
inline constexpr std::uint32_t kKeyBackspace = 0x0E08;
inline constexpr std::uint32_t kKeySpace = 0x3920;
inline constexpr std::uint32_t kKeyUp = 0x4800;
inline constexpr std::uint32_t kKeyDown = 0x5000;
inline constexpr std::uint32_t kKeyLeft = 0x4B00;
inline constexpr std::uint32_t kKeyRight = 0x4D00;
inline constexpr std::uint32_t kKeyHome = 0x4700;
inline constexpr std::uint32_t kKeyEnd = 0x4F00;
inline constexpr std::uint32_t kKeyPageUp = 0x4900;
inline constexpr std::uint32_t kKeyPageDown = 0x5100;
inline constexpr std::uint32_t kKeyInsert = 0x5200;
inline constexpr std::uint32_t kKeyDelete = 0x5300;
inline constexpr std::uint32_t kKeyF1 = 0x3B00;
inline constexpr std::uint32_t kKeyF2 = 0x3C00;
inline constexpr std::uint32_t kKeyF3 = 0x3D00;
inline constexpr std::uint32_t kKeyF4 = 0x3E00;
inline constexpr std::uint32_t kKeyF5 = 0x3F00;
inline constexpr std::uint32_t kKeyF6 = 0x4000;
inline constexpr std::uint32_t kKeyF7 = 0x4100;
inline constexpr std::uint32_t kKeyF8 = 0x4200;
inline constexpr std::uint32_t kKeyF9 = 0x4300;
inline constexpr std::uint32_t kKeyF10 = 0x4400;
inline constexpr std::uint32_t kKeyF11 = 0x8500;
inline constexpr std::uint32_t kKeyF12 = 0x8600;

// Control-key state bits, as PollKey reports them.
inline constexpr std::uint32_t kRightAltPressed = 0x0001;
inline constexpr std::uint32_t kLeftAltPressed = 0x0002;
inline constexpr std::uint32_t kRightCtrlPressed = 0x0004;
inline constexpr std::uint32_t kLeftCtrlPressed = 0x0008;
inline constexpr std::uint32_t kShiftPressed = 0x0010;
inline constexpr std::uint32_t kNumLockOn = 0x0020;
inline constexpr std::uint32_t kCapsLockOn = 0x0080;
inline constexpr std::uint32_t kEnhancedKey = 0x0100;

struct PolledKey {
    bool available;
    std::uint32_t keyCode;
    std::uint32_t virtualKey;
    std::uint32_t controlState;
};

struct TranslatedKey {
    std::uint8_t scan;
    std::uint8_t character;
};

// Takes the oldest key press from the console's queue and throws away
// everything queued after it. Never blocks (at the end of the input it
// ends the process, as said above); when available is false the other
// fields carry no meaning.
CONKIT_CONSOLE_API PolledKey PollKey();

// Polls every 10 ms until a key comes; returns its key code.
CONKIT_CONSOLE_API std::uint32_t WaitKey();

// Adjusts the scan code and character of special keys and of F1-F10, the
// digits and Tab held with Ctrl, Alt or Shift.
[[nodiscard]] CONKIT_CONSOLE_API TranslatedKey TranslateExtendedKey(std::uint8_t scan,
                                                                    std::uint8_t character,
                                                                    std::uint32_t virtualKey,
                                                                    std::uint32_t controlState);

// Throws away every queued input event; as a program's first console call
// too.
CONKIT_CONSOLE_API void DiscardPendingInput();

// Rows of (virtual-key code, plain scan code, with Ctrl, with Alt), ended by
// a zero where the next virtual-key code would stand.
inline constexpr std::uint32_t kExtendedKeyRows = 16;
extern CONKIT_CONSOLE_API const std::uint8_t ExtendedKeyTable[kExtendedKeyRows * 4 + 1];

}  // namespace conkit
