#include "console/host/screen_buffer.hpp"

#include <algorithm>
#include <cstddef>

namespace conkit::host {

ScreenBuffer::ScreenBuffer(std::uint16_t columns, std::uint16_t rows, Coord capacity)
    : columns_(std::max<std::uint16_t>(columns, 1)),
      rows_(std::max<std::uint16_t>(rows, 1)),
      stride_(std::max(columns_, capacity.column)),
      rowCapacity_(std::max(rows_, capacity.row)) {
    cells_.reserve(stride_ * rowCapacity_);
    written_.reserve(stride_ * rowCapacity_);
    cells_.resize(stride_ * rows_);
    written_.resize(stride_ * rows_);
}

Cell& ScreenBuffer::CellAt(std::uint16_t column, std::uint16_t row) {
    const std::size_t index = Index(column, row);
    written_[index] = 1;
    const std::uint32_t at = std::uint32_t{row} * columns_ + column;
    if (changed_.first == changed_.end) {
        changed_ = {at, at + 1};
    } else {
        changed_ = {std::min(changed_.first, at), std::max(changed_.end, at + 1)};
    }
    return cells_[index];
}

ScreenBuffer::Span ScreenBuffer::TakeChanged() {
    const Span taken = changed_;
    changed_ = {0, 0};
    return taken;
}

void ScreenBuffer::LineFeed() {
    cursor_.column = 0;
    if (cursor_.row + 1 < rows_) {
        ++cursor_.row;
        return;
    }
    if (observer_ != nullptr) {
        observer_->BeforeScroll();
    }
    // The top row becomes the new bottom one.
    if (hiddenRows_) {
        hiddenRows_ = false;
        const auto end = static_cast<std::ptrdiff_t>(rows_ * stride_);
        std::fill(cells_.begin() + end, cells_.end(), Cell{});
        std::fill(written_.begin() + end, written_.end(), std::uint8_t{0});
    }
    const auto bottom = static_cast<std::ptrdiff_t>(top_ * stride_);
    const auto width = static_cast<std::ptrdiff_t>(stride_);
    top_ = static_cast<std::uint16_t>(top_ + 1 == rows_ ? 0 : top_ + 1);
    std::fill(cells_.begin() + bottom, cells_.begin() + bottom + width, Cell{' ', attribute_});
    std::fill(written_.begin() + bottom, written_.begin() + bottom + width, std::uint8_t{0});
    ++scrollCount_;
}

void ScreenBuffer::Unroll() {
    const auto first = static_cast<std::ptrdiff_t>(top_ * stride_);
    const auto end = static_cast<std::ptrdiff_t>(rows_ * stride_);
    std::rotate(cells_.begin(), cells_.begin() + first, cells_.begin() + end);
    std::rotate(written_.begin(), written_.begin() + first, written_.begin() + end);
    top_ = 0;
}

std::int32_t ScreenBuffer::LowestWrittenRow() const {
    for (std::uint16_t row = rows_; row > 0; --row) {
        for (std::uint16_t column = 0; column < columns_; ++column) {
            if (Written(column, static_cast<std::uint16_t>(row - 1))) {
                return row - 1;
            }
        }
    }
    return -1;
}

bool ScreenBuffer::Resize(std::uint16_t columns, std::uint16_t rows, std::int32_t rowsUp) {
    columns = std::max<std::uint16_t>(columns, 1);
    rows = std::max<std::uint16_t>(rows, 1);
    if (columns > stride_ || rows > rowCapacity_) {
        return false;
    }
    Unroll();
    if (cells_.size() < rows * stride_) {
        cells_.resize(rows * stride_);
        written_.resize(rows * stride_);
    }
    // The rows in use move; what they leave behind is blank.
    const auto row = [&](std::int64_t index) {
        return static_cast<std::ptrdiff_t>(index * static_cast<std::int64_t>(stride_));
    };
    const auto blank = [&](std::int64_t first, std::int64_t end) {
        std::fill(cells_.begin() + row(first), cells_.begin() + row(end), Cell{});
        std::fill(written_.begin() + row(first), written_.begin() + row(end), std::uint8_t{0});
    };
    const std::int64_t used = rows_;
    if (rowsUp > 0) {
        const std::int64_t up = std::min<std::int64_t>(rowsUp, used);
        std::copy(cells_.begin() + row(up), cells_.begin() + row(used), cells_.begin());
        std::copy(written_.begin() + row(up), written_.begin() + row(used), written_.begin());
        blank(used - up, used);
    } else if (rowsUp < 0) {
        const std::int64_t down = std::min<std::int64_t>(-rowsUp, rows);
        const std::int64_t moved = std::min<std::int64_t>(used, rows - down);
        std::copy_backward(cells_.begin(), cells_.begin() + row(moved),
                           cells_.begin() + row(moved + down));
        std::copy_backward(written_.begin(), written_.begin() + row(moved),
                           written_.begin() + row(moved + down));
        blank(0, down);
    }
    const std::int64_t cursorRow = std::int64_t{cursor_.row} - rowsUp;
    cursor_ = {static_cast<std::uint16_t>(std::min<std::int64_t>(cursor_.column, columns - 1)),
               static_cast<std::uint16_t>(std::clamp<std::int64_t>(cursorRow, 0, rows - 1))};
    columns_ = columns;
    rows_ = rows;
    hiddenRows_ = cells_.size() > rows * stride_;
    changed_ = {0, 0};
    return true;
}

void ScreenBuffer::CopyFrom(const ScreenBuffer& other) {
    cells_.assign(other.cells_.begin(), other.cells_.end());
    written_.assign(other.written_.begin(), other.written_.end());
    columns_ = other.columns_;
    rows_ = other.rows_;
    stride_ = other.stride_;
    rowCapacity_ = other.rowCapacity_;
    top_ = other.top_;
    cursor_ = other.cursor_;
    attribute_ = other.attribute_;
    scrollCount_ = other.scrollCount_;
    hiddenRows_ = other.hiddenRows_;
    changed_ = {0, 0};
}

void ScreenBuffer::PutAtCursor(std::uint8_t character) {
    CellAt(cursor_.column, cursor_.row) = Cell{character, attribute_};
    if (++cursor_.column == columns_) {
        LineFeed();
    }
}

void ScreenBuffer::WriteProcessed(const char* chars, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto byte = static_cast<std::uint8_t>(chars[i]);
        switch (byte) {
            case '\r':
                cursor_.column = 0;
                break;
            case '\n':
                LineFeed();
                break;
            case '\b':
                if (cursor_.column > 0) {
                    --cursor_.column;
                }
                break;
            case '\t': {
                const auto stop =
                    static_cast<std::uint16_t>((cursor_.column / kTabWidth + 1) * kTabWidth);
                const auto end = std::min(stop, columns_);
                while (cursor_.column + 1 < end) {
                    CellAt(cursor_.column++, cursor_.row) = Cell{' ', attribute_};
                }
                PutAtCursor(' ');
                break;
            }
            case '\a':
                break;
            default:
                PutAtCursor(byte);
                break;
        }
    }
}

std::uint32_t ScreenBuffer::PutCharacters(const char* chars, std::uint32_t count, Coord start) {
    const std::uint32_t n = CellsFrom(start, count);
    Coord at = start;
    for (std::uint32_t i = 0; i < n; ++i) {
        CellAt(at.column, at.row).character = static_cast<std::uint8_t>(chars[i]);
        Step(at);
    }
    return n;
}

std::uint32_t ScreenBuffer::PutAttributes(const std::uint16_t* attributes, std::uint32_t count,
                                          Coord start) {
    const std::uint32_t n = CellsFrom(start, count);
    Coord at = start;
    for (std::uint32_t i = 0; i < n; ++i) {
        CellAt(at.column, at.row).attribute = attributes[i];
        Step(at);
    }
    return n;
}

std::uint32_t ScreenBuffer::GetCharacters(char* chars, std::uint32_t count, Coord start) const {
    const std::uint32_t n = CellsFrom(start, count);
    Coord at = start;
    for (std::uint32_t i = 0; i < n; ++i) {
        chars[i] = static_cast<char>(At(at.column, at.row).character);
        Step(at);
    }
    return n;
}

std::uint32_t ScreenBuffer::GetAttributes(std::uint16_t* attributes, std::uint32_t count,
                                          Coord start) const {
    const std::uint32_t n = CellsFrom(start, count);
    Coord at = start;
    for (std::uint32_t i = 0; i < n; ++i) {
        attributes[i] = At(at.column, at.row).attribute;
        Step(at);
    }
    return n;
}

std::uint32_t ScreenBuffer::CellsFrom(Coord start, std::uint32_t count) const {
    if (start.column >= columns_ || start.row >= rows_) {
        return 0;
    }
    const std::size_t first = std::size_t{start.row} * columns_ + start.column;
    const std::size_t cells = std::size_t{columns_} * rows_;
    return static_cast<std::uint32_t>(std::min<std::size_t>(count, cells - first));
}

void ScreenBuffer::Step(Coord& at) const {
    if (++at.column == columns_) {
        at.column = 0;
        ++at.row;
    }
}

}  // namespace conkit::host
