// Value types that cross the console seam. They mirror the Windows console's
// records field by field, in plain C++ types, so no host needs <windows.h>
// in a header.
#pragma once

#include <cstdint>

#include "conkit/keys.hpp"

namespace conkit::host {

// An opaque console handle: what GetStdHandle gives and every call takes.
using Handle = std::uintptr_t;

// The value a failed GetStdHandle returns.
inline constexpr Handle kInvalidHandle = ~Handle{0};

enum class StdHandle : std::uint8_t { input, output };

// A cell position in the screen buffer, counted from 0 at the top-left.
struct Coord {
    std::uint16_t column = 0;
    std::uint16_t row = 0;
    friend bool operator==(const Coord&, const Coord&) = default;
};

// Console input modes.
inline constexpr std::uint32_t kProcessedInput = 0x0001;
inline constexpr std::uint32_t kLineInput = 0x0002;
inline constexpr std::uint32_t kEchoInput = 0x0004;
inline constexpr std::uint32_t kDefaultInputMode = kProcessedInput | kLineInput | kEchoInput;

// Input record event types; only key events carry a payload here.
inline constexpr std::uint16_t kKeyEvent = 0x0001;
inline constexpr std::uint16_t kFocusEvent = 0x0010;

// A key event; its controlState holds the bits of <conkit/keys.hpp>
// (kShiftPressed, ...).
struct KeyEventRecord {
    std::uint32_t keyDown = 1;
    std::uint16_t repeatCount = 1;
    std::uint16_t virtualKey = 0;
    std::uint16_t virtualScan = 0;
    std::uint8_t character = 0;
    std::uint32_t controlState = 0;
    friend bool operator==(const KeyEventRecord&, const KeyEventRecord&) = default;
};

struct InputRecord {
    std::uint16_t eventType = kKeyEvent;
    KeyEventRecord key{};
    friend bool operator==(const InputRecord&, const InputRecord&) = default;
};

struct ScreenBufferInfo {
    Coord size{};
    Coord cursor{};
    std::uint16_t attribute = 0;
};

}  // namespace conkit::host
