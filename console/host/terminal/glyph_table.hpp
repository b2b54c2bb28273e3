// What the terminal is sent to show one cell's byte: one byte, one cell.
//
// On a UTF-8 terminal every byte is its code page 437 character in UTF-8,
// the control positions included (0x01 as U+263A and so on; 0x00 as a
// space). Elsewhere only printable ASCII can be trusted to be one cell and
// no control, so every other byte is shown as the ASCII character that
// looks most like it (a frame's corners as '+', a block as '#').
#pragma once

#include <array>
#include <cstdint>

namespace conkit::host::terminal {

struct Glyph {
    std::array<char, 4> bytes{};
    std::uint8_t length = 0;
};

class GlyphTable {
  public:
    explicit GlyphTable(bool utf8);

    const Glyph& For(std::uint8_t byte) const { return glyphs_[byte]; }

  private:
    std::array<Glyph, 256> glyphs_{};
};

}  // namespace conkit::host::terminal
