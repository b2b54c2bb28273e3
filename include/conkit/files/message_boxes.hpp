// Modal message and question boxes. Without a caption (nullptr) a box is
// titled with a single blank.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// <windows.h> defines the same values under these names as macros, which
// then stand for these.
#if !defined(IDYES)
inline constexpr std::int32_t IDYES = 6;
#endif
#if !defined(IDNO)
inline constexpr std::int32_t IDNO = 7;
#endif

// Shows text with an OK button and returns once the box is closed; returns
// at once when no box can be shown.
CONKIT_SUPPORT_API void DisplayMessageBox(const char* text, const char* caption = nullptr);

// Asks text with the buttons Yes and No. Returns IDYES or IDNO, or 0 when no
// box can be shown.
CONKIT_SUPPORT_API std::int32_t AskYesNo(const char* text, const char* caption = nullptr);

}  // namespace conkit
