#include "console/host/terminal/screen_renderer.hpp"

#include <algorithm>
#include <cstddef>

#include "console/host/terminal/sgr.hpp"

namespace conkit::host::terminal {

ScreenRenderer::ScreenRenderer(const ScreenBuffer& picture, const GlyphTable& glyphs,
                               TerminalWriter& out, bool lineFeed)
    : picture_(picture),
      glyphs_(glyphs),
      out_(out),
      lineFeed_(lineFeed),
      shown_(std::size_t{picture.Columns()} * picture.Rows()),
      scrolls_(picture.ScrollCount()) {}

std::uint16_t ScreenRenderer::VisibleColumns() const {
    return std::min(picture_.Columns(), terminal_.column);
}

std::uint16_t ScreenRenderer::VisibleRows() const {
    return std::min(picture_.Rows(), terminal_.row);
}

ScreenRenderer::ShownCell& ScreenRenderer::Shown(std::uint16_t column, std::uint16_t row) {
    return shown_[std::size_t{row} * picture_.Columns() + column];
}

const ScreenRenderer::ShownCell& ScreenRenderer::Shown(std::uint16_t column,
                                                       std::uint16_t row) const {
    return shown_[std::size_t{row} * picture_.Columns() + column];
}

void ScreenRenderer::ForgetAll() {
    std::fill(shown_.begin(), shown_.end(), ShownCell{});
}

void ScreenRenderer::SetTerminalSize(Coord size) {
    terminal_ = size;
    cursor_.reset();
}

void ScreenRenderer::Repaint(bool clear) {
    cursor_.reset();
    if (clear) {
        // The terminal's own colours clear it, so a terminal that erases
        // with the default background still ends up as the cells say.
        out_.Append("\x1b[0m\x1b[H\x1b[2J", 11);
        pen_.reset();
        cursor_ = Coord{0, 0};
    }
    ForgetAll();
    scrolls_ = picture_.ScrollCount();
    Update({0, std::uint32_t{picture_.Columns()} * picture_.Rows()});
}

void ScreenRenderer::ScrollUp() {
    ++scrolls_;
    const std::uint16_t rows = VisibleRows();
    if (rows == 0 || VisibleColumns() == 0) {
        ForgetAll();
        return;
    }
    // Only the rows the buffer covers scroll, so that nothing below them
    // moves up into view.
    const auto bottom = static_cast<std::uint16_t>(rows - 1);
    const bool region = rows < terminal_.row;
    if (region) {
        out_.Append("\x1b[1;", 4);
        out_.AppendDecimal(rows);
        out_.Append('r');
        cursor_.reset();
    }
    if (!cursor_.has_value() || cursor_->row != bottom) {
        MoveTo({0, bottom});
    }
    out_.Append('\n');
    if (!lineFeed_) {
        cursor_ = Coord{0, bottom};
    }
    if (region) {
        out_.Append("\x1b[r", 3);
        cursor_.reset();
    }
    // A buffer taller than the terminal moves its next row into the
    // terminal's last one, which the terminal scrolled in blank.
    if (rows < picture_.Rows()) {
        exposedRow_ = bottom;
    }
    const std::size_t width = picture_.Columns();
    const auto end = shown_.begin() + static_cast<std::ptrdiff_t>(width * rows);
    std::copy(shown_.begin() + static_cast<std::ptrdiff_t>(width), end, shown_.begin());
    std::fill(end - static_cast<std::ptrdiff_t>(width), end, ShownCell{});
}

void ScreenRenderer::Update(ScreenBuffer::Span changed) {
    const std::uint32_t width = picture_.Columns();
    if (picture_.ScrollCount() != scrolls_) {
        // Scrolled without the terminal: what it shows is no longer known.
        scrolls_ = picture_.ScrollCount();
        ForgetAll();
        changed = {0, width * picture_.Rows()};
    }
    if (exposedRow_.has_value()) {
        const std::uint32_t first = *exposedRow_ * width;
        changed = changed.first >= changed.end
                      ? ScreenBuffer::Span{first, first + width}
                      : ScreenBuffer::Span{std::min(changed.first, first),
                                           std::max(changed.end, first + width)};
        exposedRow_.reset();
    }
    if (changed.first >= changed.end) {
        return;
    }
    const std::uint32_t columns = VisibleColumns();
    const std::uint32_t lastRow = (changed.end - 1) / width;
    for (std::uint32_t row = changed.first / width; row <= lastRow && row < VisibleRows(); ++row) {
        const auto y = static_cast<std::uint16_t>(row);
        const std::uint32_t from = std::max(changed.first, row * width) - row * width;
        const std::uint32_t to = std::min({changed.end - row * width, width, columns});
        for (std::uint32_t column = from; column < to; ++column) {
            const auto x = static_cast<std::uint16_t>(column);
            const Cell& wanted = picture_.At(x, y);
            const ShownCell& shown = Shown(x, y);
            if ((shown.character != wanted.character ||
                 shown.look != VisibleAttribute(wanted.attribute)) &&
                picture_.Written(x, y)) {
                Paint(x, y, wanted);
            }
        }
    }
}

void ScreenRenderer::ShowCursorAt(Coord cell) {
    if (cell.column < VisibleColumns() && cell.row < VisibleRows()) {
        MoveTo(cell);
    }
}

void ScreenRenderer::AssumeCursorAt(Coord cell) {
    cursor_ = cell;
}

bool ScreenRenderer::Rewrite(std::uint16_t row, std::uint16_t first, std::uint16_t end,
                             MotionBytes& bytes) const {
    if (!pen_.has_value() || end > VisibleColumns()) {
        return false;
    }
    for (std::uint16_t x = first; x < end && bytes.Fits(); ++x) {
        const ShownCell& shown = Shown(x, row);
        if (shown.look != *pen_) {
            return false;
        }
        const Glyph& glyph = glyphs_.For(shown.character);
        bytes.Add(glyph.bytes.data(), glyph.length);
    }
    return bytes.Fits();
}

void ScreenRenderer::MoveTo(Coord cell) {
    const MotionBytes motion = PlanMove(cursor_, cell, lineFeed_, *this);
    out_.Append(motion.Data(), motion.Length());
    cursor_ = cell;
}

void ScreenRenderer::Paint(std::uint16_t column, std::uint16_t row, const Cell& cell) {
    MoveTo({column, row});
    const std::uint16_t look = VisibleAttribute(cell.attribute);
    if (!pen_.has_value()) {
        AppendSgrReset(look, out_);
    } else {
        AppendSgrChange(*pen_, look, out_);
    }
    pen_ = look;
    const Glyph& glyph = glyphs_.For(cell.character);
    out_.Append(glyph.bytes.data(), glyph.length);
    Shown(column, row) = {cell.character, look};
    // A character in the last column leaves the cursor waiting to wrap,
    // where terminals disagree on what the next motion does.
    if (column + 1U < terminal_.column) {
        cursor_ = Coord{static_cast<std::uint16_t>(column + 1), row};
    } else {
        cursor_.reset();
    }
}

}  // namespace conkit::host::terminal
