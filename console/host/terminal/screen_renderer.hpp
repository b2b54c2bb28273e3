// Keeps a terminal showing a screen buffer. It remembers what the terminal
// shows, cell by cell, with its cursor and colours, and sends only the
// differences: the cheapest cursor motion, an SGR change only when the next
// cell needs it, and the cell's glyph.
//
// The terminal's top-left cell is the buffer's once the rows are known;
// until then (a program that only writes text and line ends, whose start
// row was never asked) the renderer is a stream: it moves only within the
// cursor's row and scrolls with line feeds. Only cells the program has
// written are painted: the others keep whatever the terminal showed (the
// shell's text), and nothing is ever cleared. A character written in the
// terminal's last column leaves the terminal's own wrap pending, and the
// next row's first character is simply written after it, so the terminal
// itself wraps the line (and a copy from its screen joins it whole). When
// the buffer scrolls, the terminal's own line feed on its last row scrolls
// it, so the row that leaves the top goes to the terminal's scrollback.
// Besides the sequences of sgr.hpp and cursor_motion.hpp it uses
//   LF                   on the last row: scroll up one row
//   CSI 0 m CSI H CSI 2 J   reset colours, home and clear, after a resize
//   CSI top ; bottom r   scrolling region (DECSTBM), when the terminal has
//                        more rows than the buffer; CSI r resets it
#pragma once

#include <cstddef>
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
    // Takes its storage once, for capacity cells (at least the buffer's).
    // Until the first Repaint nothing is assumed about what the terminal
    // shows, and its rows are not known.
    ScreenRenderer(const ScreenBuffer& picture, const GlyphTable& glyphs, TerminalWriter& out,
                   std::size_t capacity);

    // The terminal's size in cells. After a change nothing is assumed about
    // the terminal's cursor.
    void SetTerminalSize(Coord size);
    Coord TerminalSize() const { return terminal_; }

    // LF moves straight down (the tty adds no CR to it).
    void SetLineFeed(bool lineFeed) { lineFeed_ = lineFeed; }
    // From now on the buffer's rows are the terminal's: absolute motion may
    // be used.
    void SetRowsKnown() { rowsKnown_ = true; }

    // The buffer changed its size: nothing is assumed about what the
    // terminal shows.
    void FollowResize();
    // The buffer's cells moved up by rowsUp rows (down when negative)
    // without the terminal, which showed them there all along.
    void ShiftRows(std::int32_t rowsUp);

    // Forgets what the terminal shows and paints every written cell of the
    // buffer that it shows. clear: the terminal is cleared first (after a
    // resize, when the terminal may have moved its rows about); otherwise
    // the cells the program has not written keep what they show. Needs the
    // rows known.
    void Repaint(bool clear);

    // Paints the written cells of the span (ScreenBuffer::TakeChanged) that
    // differ from what the terminal shows; every cell when the buffer
    // scrolled unseen.
    void Update(ScreenBuffer::Span changed);

    // Scrolls the terminal's rows up by one as the buffer is about to; the
    // caller has painted the rows first.
    void ScrollUp();

    // Carries out a scroll still left to the terminal's own wrap, so that
    // the terminal's rows are the buffer's again.
    void Settle();
    bool ScrollOwed() const { return scrollOwed_; }

    // Moves the terminal's cursor onto cell when the terminal shows it.
    void ShowCursorAt(Coord cell);

    // The terminal's cursor is known to stand on cell (a cursor report).
    void AssumeCursorAt(Coord cell);
    // Nothing is known of where the terminal's cursor stands, or of its
    // colours.
    void ForgetCursor();
    void ForgetPen() { pen_.reset(); }

    // The terminal shows every written cell of the buffer as it is, and
    // nothing is known of the others, its cursor or its colours (back on a
    // screen that was kept while another was shown).
    void AssumeShowsWritten();

    // The terminal's colours are other than its own defaults.
    bool Coloured() const;

  private:
    struct ShownCell {
        std::uint8_t character = ' ';
        // The look of the character; false when the terminal's content is
        // not known.
        bool known = false;
        std::uint16_t look = 0;
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
    bool lineFeed_ = false;
    bool rowsKnown_ = false;
    std::vector<ShownCell> shown_;
    Coord terminal_{};
    std::optional<Coord> cursor_;
    // The cursor stands in the terminal's last column with the wrap to the
    // next row pending: the next character goes to the next row's start.
    bool wrapPending_ = false;
    // The buffer scrolled while the terminal's wrap was pending on its last
    // row: the terminal scrolls when the next character is written.
    bool scrollOwed_ = false;
    std::optional<std::uint16_t> pen_;
    std::uint64_t scrolls_ = 0;
    // The terminal's last row after a scroll, when the buffer row now in it
    // is still to be painted.
    std::optional<std::uint16_t> exposedRow_;
};

}  // namespace conkit::host::terminal
