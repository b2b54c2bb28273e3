// Modal message and question boxes. Without a caption (nullptr) a box is
// titled with a single blank.
#pragma once

#include <cstdint>

namespace conkit {

inline constexpr std::int32_t IDYES = 6;
inline constexpr std::int32_t IDNO = 7;

// Shows text with an OK button and returns once the box is closed; returns
// at once when no box can be shown.
void DisplayMessageBox(const char* text, const char* caption = nullptr);

// Asks text with the buttons Yes and No. Returns IDYES or IDNO, or 0 when no
// box can be shown.
std::int32_t AskYesNo(const char* text, const char* caption = nullptr);

}  // namespace conkit
