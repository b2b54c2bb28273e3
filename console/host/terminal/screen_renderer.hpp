// Keeps a terminal showing a screen buffer. It remembers what the terminal
// shows, cell by cell, with its cursor and colours, and sends only the
// differences: the cheapest cursor motion, an SGR change only when the next
// cell needs it, and the cell's glyph.
//
// The terminal's top-left cell is the buffer's. Only cells the program has
// written are painted: the others keep whatever the terminal showed (the
// shell's text), and nothing is ever cleared. Cells beyond the terminal's
// edge are not sent (a row never wraps on the terminal) and are painted
// when the terminal grows. When the buffer scrolls, the terminal's own line
// feed on its last row scrolls it, so the row that leaves the top goes to
// the terminal's scrollback. Besides the sequences of sgr.hpp and
// cursor_motion.hpp it uses
//   LF                   on the last row: scroll up one row
//   CSI 0 m CSI H CSI 2 J   reset colours, home and clear, after a resize
//   CSI top ; bottom r   scrolling region (DECSTBM), when the terminal has
//                        more rows than the buffer; CSI r resets it
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "conkit/host/console_types.hpp"
#include "console/host/screen_buffer.hpp"
#include "console/host/terminal/cursor_motion.hpp"
#include "console/host/terminal/glyph_table.hpp"
#include "console/host/terminal/terminal_writer.hpp"

namespace conkit::host::terminal {

class ScreenRenderer final : private CellRewriter {
  public:
    // Takes its storage once, for the buffer's size. Until the first
    // Repaint nothing is assumed about what the terminal shows. lineFeed:
    // the terminal gets LF as it is sent (no CR added by the tty).
    ScreenRenderer(const ScreenBuffer& picture, const GlyphTable& glyphs, TerminalWriter& out,
                   bool lineFeed);

    // The terminal's size in cells. After a change nothing is assumed about
    // the terminal's cursor; the caller repaints.
    void SetTerminalSize(Coord size);
    Coord TerminalSize() const { return terminal_; }

    // Forgets what the terminal shows and paints every written cell of the
    // buffer that it shows. clear: the terminal is cleared first (after a
    // resize, when the terminal may have moved its rows about); otherwise
    // the cells the program has not written keep what they show.
    void Repaint(bool clear);

    // Paints the written cells of the span (ScreenBuffer::TakeChanged) that
    // differ from what the terminal shows; every cell when the buffer
    // scrolled unseen.
    void Update(ScreenBuffer::Span changed);

    // Scrolls the terminal's rows up by one as the buffer is about to; the
    // caller has painted the rows first.
    void ScrollUp();

    // Moves the terminal's cursor onto cell when the terminal shows it.
    void ShowCursorAt(Coord cell);

    // The terminal's cursor is known to stand on cell (a cursor report).
    void AssumeCursorAt(Coord cell);

  private:
    // The look of a cell whose content the terminal's is not known to be.
    static constexpr std::uint32_t kUnknownLook = 0x10000;

    struct ShownCell {
        std::uint8_t character = ' ';
        std::uint32_t look = kUnknownLook;
    };

    bool Rewrite(std::uint16_t row, std::uint16_t first, std::uint16_t end,
                 MotionBytes& bytes) const override;

    std::uint16_t VisibleColumns() const;
    std::uint16_t VisibleRows() const;
    ShownCell& Shown(std::uint16_t column, std::uint16_t row);
    const ShownCell& Shown(std::uint16_t column, std::uint16_t row) const;
    void ForgetAll();
    void MoveTo(Coord cell);
    void Paint(std::uint16_t column, std::uint16_t row, const Cell& cell);

    const ScreenBuffer& picture_;
    const GlyphTable& glyphs_;
    TerminalWriter& out_;
    bool lineFeed_;
    std::vector<ShownCell> shown_;
    Coord terminal_{};
    std::optional<Coord> cursor_;
    std::optional<std::uint16_t> pen_;
    std::uint64_t scrolls_ = 0;
    // The terminal's last row after a scroll, when the buffer row now in it
    // is still to be painted.
    std::optional<std::uint16_t> exposedRow_;
};

}  // namespace conkit::host::terminal
