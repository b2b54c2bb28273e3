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
    return cells_[std::size_t{row} * columns_ + column];
}

Cell& ScreenBuffer::CellAt(std::uint16_t column, std::uint16_t row) {
    const std::size_t index = std::size_t{row} * columns_ + column;
    written_[index] = 1;
    return cells_[index];
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
    std::copy(cells_.begin() + columns_, cells_.end(), cells_.begin());
    std::fill(cells_.end() - columns_, cells_.end(), Cell{' ', attribute_});
    std::copy(written_.begin() + columns_, written_.end(), written_.begin());
    std::fill(written_.end() - columns_, written_.end(), std::uint8_t{0});
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
    if (start.column >= columns_ || start.row >= rows_) {
        return 0;
    }
    const std::size_t first = std::size_t{start.row} * columns_ + start.column;
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(count, cells_.size() - first));
    for (std::uint32_t i = 0; i < n; ++i) {
        cells_[first + i].character = static_cast<std::uint8_t>(chars[i]);
        written_[first + i] = 1;
    }
    return n;
}

std::uint32_t ScreenBuffer::PutAttributes(const std::uint16_t* attributes, std::uint32_t count,
                                          Coord start) {
    if (start.column >= columns_ || start.row >= rows_) {
        return 0;
    }
    const std::size_t first = std::size_t{start.row} * columns_ + start.column;
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(count, cells_.size() - first));
    for (std::uint32_t i = 0; i < n; ++i) {
        cells_[first + i].attribute = attributes[i];
        written_[first + i] = 1;
    }
    return n;
}

std::uint32_t ScreenBuffer::GetCharacters(char* chars, std::uint32_t count, Coord start) const {
    if (start.column >= columns_ || start.row >= rows_) {
        return 0;
    }
    const std::size_t first = std::size_t{start.row} * columns_ + start.column;
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(count, cells_.size() - first));
    for (std::uint32_t i = 0; i < n; ++i) {
        chars[i] = static_cast<char>(cells_[first + i].character);
    }
    return n;
}

std::uint32_t ScreenBuffer::GetAttributes(std::uint16_t* attributes, std::uint32_t count,
                                          Coord start) const {
    if (start.column >= columns_ || start.row >= rows_) {
        return 0;
    }
    const std::size_t first = std::size_t{start.row} * columns_ + start.column;
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(count, cells_.size() - first));
    for (std::uint32_t i = 0; i < n; ++i) {
        attributes[i] = cells_[first + i].attribute;
    }
    return n;
}

}  // namespace conkit::host
