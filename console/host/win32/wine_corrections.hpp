// Wine's console breaks the console contract in a few places. Each function
// here mends one of them in the seam's own terms, so the Windows host stays
// exact on Windows (where nothing needs mending and the mending changes
// nothing) and under Wine alike. They need no Windows header and are tested
// on every platform.
#pragma once

#include <cstdint>

#include "console/host/console_types.hpp"

namespace conkit::host {

// Escape reaches a Wine console with character 0; the key carries 0x1B.
// Returns the record with every such field mended; other records come back
// unchanged.
InputRecord MendInputRecord(const InputRecord& record);

// How many times writing count characters from cursor scrolls a buffer of
// the given size, with the console's output processing (CR, LF, BS, TAB,
// BEL; wrap at the right edge). Wine fills the rows a scroll brings in with
// the console's first attribute instead of the current one; the host repaints
// that many bottom rows (at most the buffer's height) in the current one.
std::uint32_t CountScrolls(Coord cursor, Coord size, const char* chars, std::uint32_t count);

}  // namespace conkit::host
