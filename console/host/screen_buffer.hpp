// A console screen buffer: a grid of cells, the cursor and the current
// attribute, with the output processing of the Windows console in its
// default output mode. The memory host is this model; the terminal host keeps
// one as the picture of what the terminal should show.
#pragma once

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

class ScreenBuffer {
  public:
    // Storage is taken here, once; nothing later allocates.
    ScreenBuffer(std::uint16_t columns, std::uint16_t rows);

    std::uint16_t Columns() const { return columns_; }
    std::uint16_t Rows() const { return rows_; }
    Coord Cursor() const { return cursor_; }
    std::uint16_t Attribute() const { return attribute_; }
    const Cell& At(std::uint16_t column, std::uint16_t row) const;

    // Fails and changes nothing when the position lies outside the buffer.
    bool SetCursor(Coord position);
    void SetAttribute(std::uint16_t attribute) { attribute_ = attribute; }

    // Writes at the cursor with output processing: CR returns to column 0;
    // LF goes to column 0 of the next row; BS steps left, not past column 0;
    // TAB blanks up to the next tab stop; BEL changes no cell. Any other
    // byte is put in the cell. Writing the last column wraps to the next
    // row, and a move below the last row scrolls the buffer up by one.
    void Write(const char* chars, std::uint32_t count);

    // Set cells from start on, row by row, without touching the cursor or
    // the current attribute; return how many cells were set.
    std::uint32_t PutCharacters(const char* chars, std::uint32_t count, Coord start);
    std::uint32_t PutAttributes(const std::uint16_t* attributes, std::uint32_t count, Coord start);

    // Copy cells from start on, row by row; return how many were copied.
    std::uint32_t GetCharacters(char* chars, std::uint32_t count, Coord start) const;
    std::uint32_t GetAttributes(std::uint16_t* attributes, std::uint32_t count, Coord start) const;

    // Counts scrolls since construction, so a renderer can tell that every
    // row moved.
    std::uint64_t ScrollCount() const { return scrollCount_; }

  private:
    Cell& CellAt(std::uint16_t column, std::uint16_t row);
    void PutAtCursor(std::uint8_t character);
    void LineFeed();

    std::uint16_t columns_;
    std::uint16_t rows_;
    std::vector<Cell> cells_;
    Coord cursor_{};
    std::uint16_t attribute_ = kDefaultAttribute;
    std::uint64_t scrollCount_ = 0;
};

}  // namespace conkit::host
