// Keyboard input: single key presses read without echo and without waiting
// for a line. A key code carries the PC scan code (set 1) in its high byte
// and the key's character in its low byte: Escape is 0x011B, Enter 0x1C0D.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

inline constexpr std::uint32_t kKeyEscape = 0x011B;
inline constexpr std::uint32_t kKeyEnter = 0x1C0D;

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
// everything queued after it. Never blocks; when available is false the
// other fields carry no meaning.
CONKIT_CONSOLE_API PolledKey PollKey();

// Polls every 10 ms until a key comes; returns its key code.
CONKIT_CONSOLE_API std::uint32_t WaitKey();

// Adjusts the scan code and character of special keys and of F1-F10, the
// digits and Tab held with Ctrl, Alt or Shift.
CONKIT_CONSOLE_API TranslatedKey TranslateExtendedKey(std::uint8_t scan, std::uint8_t character,
                                                      std::uint32_t virtualKey,
                                                      std::uint32_t controlState);

// Throws away every queued input event.
CONKIT_CONSOLE_API void DiscardPendingInput();

// Rows of (virtual-key code, plain scan code, with Ctrl, with Alt), ended by
// a zero where the next virtual-key code would stand.
inline constexpr std::uint32_t kExtendedKeyRows = 16;
extern CONKIT_CONSOLE_API const std::uint8_t ExtendedKeyTable[kExtendedKeyRows * 4 + 1];

}  // namespace conkit
