// Wine's console breaks the console contract in a few places. Each function
// here mends one of them in the seam's own terms, so the Windows host stays
// exact on Windows (where nothing needs mending and the mending changes
// nothing) and under Wine alike. They need no Windows header and are tested
// on every platform.
#pragma once

#include <cstdint>

#include "conkit/host/console_types.hpp"

namespace conkit::host::win32 {

// Escape reaches a Wine console with character 0; the key carries 0x1B.
// A character typed from a terminal that Wine finds on no key of its
// keyboard (any non-ASCII one) comes with virtual key 0, which a poll
// would take for no key; it gets VK_PACKET (0xE7), as on Windows. Returns
// the record with every such field mended; other records come back
// unchanged.
InputRecord MendInputRecord(const InputRecord& record);

// The console cursor as a write moves it, with the console's output
// processing (CR, LF, BS, TAB, BEL; wrap at the right edge; scroll at the
// bottom), for the two output mendings below.
class CursorWalk {
  public:
    CursorWalk(Coord cursor, Coord size) : cursor_(cursor), size_(size) {}

    // Moves over one character; returns true when it wrapped the cursor
    // from the right edge to the next row.
    bool Put(std::uint8_t character);

    // How many times the buffer scrolled. Wine fills the rows a scroll
    // brings in with the console's first attribute instead of the current
    // one, so the host repaints that many bottom rows in the current one.
    std::uint32_t Scrolls() const { return scrolls_; }

  private:
    bool Advance();
    void LineFeed();

    Coord cursor_;
    Coord size_;
    std::uint32_t scrolls_ = 0;
};

// Within one write Wine holds a wrap back until the next character and lets
// an LF right after it stand for the wrap, losing a row. Writing in pieces
// that end where the cursor wraps keeps every wrap. Returns the length of the
// first piece of chars (count when nothing wraps), walking over it.
std::uint32_t PieceUpToWrap(CursorWalk& walk, const char* chars, std::uint32_t count);

}  // namespace conkit::host::win32
