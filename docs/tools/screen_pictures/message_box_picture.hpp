// The support library's console message box, for the files page.
#pragma once

#include <string>

namespace conkit::pictures {

// The file name of the picture, without .svg.
inline constexpr const char* kQuestionBoxName = "question-box";

// Asks a yes-or-no question with the box drawn on a fresh 80x25 memory
// console over a few lines of text, and returns the picture of the whole
// screen while the box waits for its answer.
std::string DrawQuestionBox();

}  // namespace conkit::pictures
