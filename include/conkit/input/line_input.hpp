// One line typed at the console, edited and echoed by the console itself,
// read into the caller's buffer as a zero-terminated text.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// Reads one line into buffer (capacity bytes, at least 1) and stores it
// without its line end, zero-terminated. A line too long for the buffer
// keeps its first capacity - 1 characters and the rest of it is read and
// thrown away, so the next read starts with the next line. Returns the
// number of characters stored; 0 with the buffer untouched when the console
// delivered nothing (a failed read, or the end of the input).
CONKIT_SUPPORT_API std::uint32_t ReadLineInput(char* buffer, std::uint32_t capacity);

}  // namespace conkit
