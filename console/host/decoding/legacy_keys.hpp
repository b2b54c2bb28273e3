// The keys of the classic terminal key sequences, the forms xterm, the Linux
// console and most terminals send without any keyboard protocol switched on:
//   CSI A/B/C/D    Up, Down, Right, Left     CSI H/F    Home, End
//   CSI E          keypad middle key         CSI P/Q/R/S    F1-F4
//   CSI n ~        Home 1/7, Insert 2, Delete 3, End 4/8, Page Up 5,
//                  Page Down 6, F1-F5 11-15, F6-F10 17-21, F11 23, F12 24
//   SS3 A-D/H/F/E  as the CSI forms (application cursor keys)
//   SS3 P/Q/R/S    F1-F4
//   SS3 j-y, M     keypad keys in application keypad mode
//   CSI [ A-E      F1-F5 of the Linux console
// CSI Z (Shift+Tab) and the modifier parameters are the caller's.
#pragma once

#include <cstdint>

#include "console/host/decoding/us_keyboard.hpp"

namespace conkit::host::decoding {

// The key of a CSI sequence with final byte final and no other meaning than
// the key; an empty shape when there is none.
KeyShape CsiFinalKey(std::uint8_t final);

// The key of CSI number ~; an empty shape for an unknown number.
KeyShape TildeKey(std::uint32_t number);

// The key of SS3 final; an empty shape when there is none.
KeyShape Ss3Key(std::uint8_t final);

// The key of the Linux console's CSI [ letter; an empty shape when there is
// none.
KeyShape LinuxConsoleKey(std::uint8_t letter);

}  // namespace conkit::host::decoding
