#include "console/host/screen_buffer.hpp"

#include <algorithm>
#include <cstddef>

namespace conkit::host {

ScreenBuffer::ScreenBuffer(std::uint16_t columns, std::uint16_t rows)
    : columns_(std::max<std::uint16_t>(columns, 1)),
      rows_(std::max<std::uint16_t>(rows, 1)),
      cells_(std::size_t{columns_} * rows_),
      written_(cells_.size()) {}

const Cell& ScreenBuffer::At(std::uint16_t column, std::uint16_t row) const {
    return cells_[Index(column, row)];
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

bool ScreenBuffer::SetCursor(Coord position) {
    if (position.column >= columns_ || position.row >= rows_) {
        return false;
    }
    cursor_ = position;
    return true;
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
    const auto bottom = static_cast<std::ptrdiff_t>(std::size_t{top_} * columns_);
    top_ = static_cast<std::uint16_t>(top_ + 1 == rows_ ? 0 : top_ + 1);
    std::fill(cells_.begin() + bottom, cells_.begin() + bottom + columns_, Cell{' ', attribute_});
    std::fill(written_.begin() + bottom, written_.begin() + bottom + columns_, std::uint8_t{0});
    ++scrollCount_;
}

void ScreenBuffer::PutAtCursor(std::uint8_t character) {
    CellAt(cursor_.column, cursor_.row) = Cell{character, attribute_};
    if (++cursor_.column == columns_) {
        LineFeed();
    }
}

void ScreenBuffer::Write(const char* chars, std::uint32_t count) {
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
    return static_cast<std::uint32_t>(std::min<std::size_t>(count, cells_.size() - first));
}

void ScreenBuffer::Step(Coord& at) const {
    if (++at.column == columns_) {
        at.column = 0;
        ++at.row;
    }
}

}  // namespace conkit::host
