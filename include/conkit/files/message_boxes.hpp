// Modal message and question boxes. Without a caption (nullptr) a box is
// titled with a single blank.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"
#include "conkit/files/box_answers.hpp"

namespace conkit {

// Shows text with an OK button and returns once the box is closed; returns
// at once when no box can be shown.
CONKIT_SUPPORT_API void DisplayMessageBox(const char* text, const char* caption = nullptr);

// Asks text with the buttons Yes and No. Returns kIdYes (IDYES) or kIdNo
// (IDNO), or 0 when no box can be shown.
[[nodiscard]] CONKIT_SUPPORT_API std::int32_t AskYesNo(const char* text,
                                                       const char* caption = nullptr);

}  // namespace conkit
