#include "console/host/terminal/screen_renderer.hpp"

#include <algorithm>

#include "console/host/terminal/sgr.hpp"

namespace conkit::host::terminal {

ScreenRenderer::ScreenRenderer(const ScreenBuffer& picture, const GlyphTable& glyphs,
                               TerminalWriter& out, std::size_t capacity)
    : picture_(picture), glyphs_(glyphs), out_(out), scrolls_(picture.ScrollCount()) {
    const std::size_t cells = std::size_t{picture.Columns()} * picture.Rows();
    shown_.reserve(std::max(cells, capacity));
    shown_.resize(cells);
}

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
    wrapPending_ = false;
    scrollOwed_ = false;
}

void ScreenRenderer::FollowResize() {
    shown_.resize(std::size_t{picture_.Columns()} * picture_.Rows());
    ForgetAll();
    cursor_.reset();
    wrapPending_ = false;
    scrollOwed_ = false;
    exposedRow_.reset();
    scrolls_ = picture_.ScrollCount();
}

void ScreenRenderer::ShiftRows(std::int32_t rowsUp) {
    const auto width = static_cast<std::ptrdiff_t>(picture_.Columns());
    const auto rows = static_cast<std::int32_t>(picture_.Rows());
    const std::int32_t moved = std::min(rowsUp < 0 ? -rowsUp : rowsUp, rows);
    const std::ptrdiff_t cells = moved * width;
    if (rowsUp > 0) {
        std::copy(shown_.begin() + cells, shown_.end(), shown_.begin());
        std::fill(shown_.end() - cells, shown_.end(), ShownCell{});
    } else if (rowsUp < 0) {
        std::copy_backward(shown_.begin(), shown_.end() - cells, shown_.end());
        std::fill(shown_.begin(), shown_.begin() + cells, ShownCell{});
    }
    if (cursor_.has_value()) {
        const std::int32_t row = cursor_->row - rowsUp;
        if (row >= 0 && row < rows) {
            cursor_->row = static_cast<std::uint16_t>(row);
        } else {
            cursor_.reset();
            wrapPending_ = false;
        }
    }
    exposedRow_.reset();
}

void ScreenRenderer::Repaint(bool clear) {
    Settle();
    cursor_.reset();
    wrapPending_ = false;
    if (clear) {
        // The terminal's own colours clear it, so a terminal that erases
        // with the default background still ends up as the cells say.
        out_.Append("\x1b[0m\x1b[H\x1b[2J", 11);
        pen_ = kDefaultAttribute;
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
    Settle();
    const auto bottom = static_cast<std::uint16_t>(rows - 1);
    // Only the rows the buffer covers scroll, so that nothing below them
    // moves up into view.
    const bool region = rowsKnown_ && rows < terminal_.row;
    if (wrapPending_ && !region && cursor_->row == bottom) {
        // The terminal scrolls by itself when the next character wraps.
        scrollOwed_ = true;
    } else {
        if (region) {
            out_.Append("\x1b[1;", 4);
            out_.AppendDecimal(rows);
            out_.Append('r');
            cursor_.reset();
            wrapPending_ = false;
        }
        if (!cursor_.has_value() || cursor_->row != bottom || wrapPending_) {
            MoveTo({0, bottom});
        }
        out_.Append('\n');
        // A tty that adds CR to LF takes the cursor to the first column.
        cursor_->column = lineFeed_ ? cursor_->column : 0;
        if (region) {
            out_.Append("\x1b[r", 3);
            cursor_.reset();
        }
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

void ScreenRenderer::Settle() {
    if (!scrollOwed_) {
        return;
    }
    out_.Append("\r\n", 2);
    scrollOwed_ = false;
    wrapPending_ = false;
    cursor_ = Coord{0, static_cast<std::uint16_t>(VisibleRows() - 1)};
}

void ScreenRenderer::Update(ScreenBuffer::Span changed) {
    const std::uint32_t width = picture_.Columns();
    // One cell, as painting cell by cell gives: straight to it.
    if (changed.end == changed.first + 1 && picture_.ScrollCount() == scrolls_ &&
        !exposedRow_.has_value()) {
        const auto x = static_cast<std::uint16_t>(changed.first % width);
        const auto y = static_cast<std::uint16_t>(changed.first / width);
        if (x < VisibleColumns() && y < VisibleRows()) {
            const Cell& wanted = picture_.At(x, y);
            const ShownCell& shown = Shown(x, y);
            if (!shown.known || shown.character != wanted.character ||
                shown.look != VisibleAttribute(wanted.attribute)) {
                Paint(x, y, wanted);
            }
        }
        return;
    }
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
            if ((!shown.known || shown.character != wanted.character ||
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
    wrapPending_ = false;
}

void ScreenRenderer::ForgetCursor() {
    Settle();
    cursor_.reset();
    wrapPending_ = false;
}

void ScreenRenderer::AssumeShowsWritten() {
    for (std::uint16_t row = 0; row < picture_.Rows(); ++row) {
        for (std::uint16_t column = 0; column < picture_.Columns(); ++column) {
            const Cell& cell = picture_.At(column, row);
            Shown(column, row) =
                picture_.Written(column, row)
                    ? ShownCell{cell.character, true, VisibleAttribute(cell.attribute)}
                    : ShownCell{};
        }
    }
    cursor_.reset();
    pen_.reset();
    wrapPending_ = false;
    scrollOwed_ = false;
    scrolls_ = picture_.ScrollCount();
}

bool ScreenRenderer::Coloured() const {
    return pen_.has_value() && *pen_ != kDefaultAttribute;
}

bool ScreenRenderer::Rewrite(std::uint16_t row, std::uint16_t first, std::uint16_t end,
                             MotionBytes& bytes) const {
    if (!pen_.has_value() || end > VisibleColumns()) {
        return false;
    }
    for (std::uint16_t x = first; x < end && bytes.Fits(); ++x) {
        const ShownCell& shown = Shown(x, row);
        if (!shown.known || shown.look != *pen_) {
            return false;
        }
        const Glyph& glyph = glyphs_.For(shown.character);
        bytes.Add(glyph.bytes.data(), glyph.length);
    }
    return bytes.Fits();
}

void ScreenRenderer::MoveTo(Coord cell) {
    if (cursor_ == cell && !wrapPending_) {
        return;
    }
    Settle();
    if (wrapPending_) {
        // Terminals disagree on motion from a pending wrap; CR is safe.
        out_.Append('\r');
        cursor_->column = 0;
        wrapPending_ = false;
    }
    if (rowsKnown_) {
        const MotionBytes motion = PlanMove(cursor_, cell, lineFeed_, *this);
        if (motion.Length() > 0) {
            // A frame that moves the cursor about goes out whole.
            out_.BeginFrame();
            out_.Append(motion.Data(), motion.Length());
        }
    } else {
        const std::optional<std::uint16_t> from = cursor_.has_value() && cursor_->row == cell.row
                                                      ? std::optional{cursor_->column}
                                                      : std::nullopt;
        const MotionBytes motion = PlanMoveInRow(from, cell, *this);
        out_.Append(motion.Data(), motion.Length());
    }
    cursor_ = cell;
}

void ScreenRenderer::Paint(std::uint16_t column, std::uint16_t row, const Cell& cell) {
    // The first cell of the row after a pending wrap: the terminal wraps
    // by itself when the character is written.
    const bool wraps =
        wrapPending_ && column == 0 &&
        (scrollOwed_ ? row == cursor_->row : row == cursor_->row + 1U && row < VisibleRows());
    if (!wraps && (cursor_ != Coord{column, row} || wrapPending_)) {
        MoveTo({column, row});
    }
    const std::uint16_t look = VisibleAttribute(cell.attribute);
    if (!pen_.has_value()) {
        AppendSgrReset(look, out_);
        pen_ = look;
    } else if (*pen_ != look) {
        AppendSgrChange(*pen_, look, out_);
        pen_ = look;
    }
    const Glyph& glyph = glyphs_.For(cell.character);
    out_.AppendGlyph(glyph.bytes.data(), glyph.length);
    Shown(column, row) = {cell.character, true, look};
    scrollOwed_ = false;
    cursor_ = Coord{column, row};
    wrapPending_ = column + 1U >= terminal_.column;
    if (!wrapPending_) {
        ++cursor_->column;
    }
}

}  // namespace conkit::host::terminal
