// A console screen buffer: a grid of cells, the cursor and the current
// attribute, with the output processing of the Windows console in its
// default output mode. The memory host is this model; the terminal host keeps
// one as the picture of what the terminal should show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "conkit/host/console_types.hpp"

namespace conkit::host {

struct Cell {
    std::uint8_t character = ' ';
    std::uint16_t attribute = 0x07;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The attribute a new console starts with: light grey on black.
inline constexpr std::uint16_t kDefaultAttribute = 0x07;

// Tab stops stand every eight columns.
inline constexpr std::uint16_t kTabWidth = 8;

// Told by a buffer just before it scrolls, while the rows are still where
// they were; a renderer moves the terminal's rows in step.
class ScrollObserver {
  public:
    virtual void BeforeScroll() = 0;

  protected:
    ~ScrollObserver() = default;
};

class ScreenBuffer {
  public:
    // Storage is taken here, once, for the largest size the buffer may
    // take (at least its own); nothing later allocates. A large capacity
    // costs address space only until a resize uses it.
    ScreenBuffer(std::uint16_t columns, std::uint16_t rows, Coord capacity = {});

    std::uint16_t Columns() const { return columns_; }
    std::uint16_t Rows() const { return rows_; }
    Coord Cursor() const { return cursor_; }
    std::uint16_t Attribute() const { return attribute_; }
    const Cell& At(std::uint16_t column, std::uint16_t row) const {
        return cells_[Index(column, row)];
    }
    // True once a write has set the cell (its character or attribute) since
    // the buffer began; a row scrolled in is not written. A terminal shows
    // what it showed before in the cells that are not.
    bool Written(std::uint16_t column, std::uint16_t row) const {
        return written_[Index(column, row)] != 0;
    }

    // The lowest row with a written cell; -1 when there is none. It looks
    // at the cells, so it is only asked on the way out.
    std::int32_t LowestWrittenRow() const;

    // Gives the buffer a new size within its capacity. Every cell moves up
    // by rowsUp rows (down when negative) and keeps its column; rows moved
    // past the top are dropped. Cells beyond a narrower or shorter size are
    // kept out of sight and come back when the buffer grows again, until
    // their row is scrolled or moved. The cursor moves with the cells and
    // stays inside. Returns false, changing nothing, when the size does not
    // fit the capacity.
    bool Resize(std::uint16_t columns, std::uint16_t rows, std::int32_t rowsUp);

    // Becomes a copy of other, whose size must fit this buffer's capacity;
    // nothing allocates. The scroll observer stays this buffer's.
    void CopyFrom(const ScreenBuffer& other);

    // Fails and changes nothing when the position lies outside the buffer.
    bool SetCursor(Coord position) {
        if (position.column >= columns_ || position.row >= rows_) {
            return false;
        }
        cursor_ = position;
        return true;
    }
    void SetAttribute(std::uint16_t attribute) { attribute_ = attribute; }

    // Writes at the cursor with output processing: CR returns to column 0;
    // LF goes to column 0 of the next row; BS steps left, not past column 0;
    // TAB blanks up to the next tab stop; BEL changes no cell. Any other
    // byte is put in the cell. Writing the last column wraps to the next
    // row, and a move below the last row scrolls the buffer up by one.
    void Write(const char* chars, std::uint32_t count) {
        // One character, as painting cell by cell gives, goes straight in.
        if (count == 1 && static_cast<std::uint8_t>(chars[0]) >= 0x20) {
            PutAtCursor(static_cast<std::uint8_t>(chars[0]));
        } else {
            WriteProcessed(chars, count);
        }
    }

    // Set cells from start on, row by row, without touching the cursor or
    // the current attribute; return how many cells were set.
    std::uint32_t PutCharacters(const char* chars, std::uint32_t count, Coord start);
    std::uint32_t PutAttributes(const std::uint16_t* attributes, std::uint32_t count, Coord start);

    // Copy cells from start on, row by row; return how many were copied.
    std::uint32_t GetCharacters(char* chars, std::uint32_t count, Coord start) const;
    std::uint32_t GetAttributes(std::uint16_t* attributes, std::uint32_t count, Coord start) const;

    // The cells set since the last call, as positions counted row by row
    // from the top-left cell (row * Columns() + column): [first, end), empty
    // when equal. Kept per cell set, so that a renderer's work follows the
    // cells a write touched, not the buffer's width. Across a scroll the
    // positions hold only when the span was taken just before it.
    struct Span {
        std::uint32_t first;
        std::uint32_t end;
    };
    Span TakeChanged();
    bool Changed() const { return changed_.first != changed_.end; }

    // Counts scrolls since construction, so a renderer can tell that every
    // row moved.
    std::uint64_t ScrollCount() const { return scrollCount_; }

    // Told before every scroll; nullptr for none.
    void SetScrollObserver(ScrollObserver* observer) { observer_ = observer; }

  private:
    // The rows are a ring: a scroll moves the top row's start, not the
    // cells, so it costs one row whatever the buffer's size. Each row takes
    // the capacity's width, so a change of width moves nothing.
    std::size_t Index(std::uint16_t column, std::uint16_t row) const {
        const std::size_t stored = std::size_t{row} + top_;
        return (stored < rows_ ? stored : stored - rows_) * stride_ + column;
    }
    Cell& CellAt(std::uint16_t column, std::uint16_t row);
    // How many of count cells from start on lie in the buffer, row by row.
    std::uint32_t CellsFrom(Coord start, std::uint32_t count) const;
    // The next cell, row by row.
    void Step(Coord& at) const;
    void PutAtCursor(std::uint8_t character);
    void WriteProcessed(const char* chars, std::uint32_t count);
    void LineFeed();
    // Puts the ring's top row first in storage.
    void Unroll();

    std::uint16_t columns_;
    std::uint16_t rows_;
    std::size_t stride_;
    std::size_t rowCapacity_;
    std::vector<Cell> cells_;
    std::vector<std::uint8_t> written_;
    ScrollObserver* observer_ = nullptr;
    std::uint16_t top_ = 0;
    Coord cursor_{};
    std::uint16_t attribute_ = kDefaultAttribute;
    std::uint64_t scrollCount_ = 0;
    // Rows below the buffer's height are kept from a taller size; a scroll
    // makes them stale.
    bool hiddenRows_ = false;
    Span changed_{0, 0};
};

}  // namespace conkit::host
