// The cheapest way to move the terminal's cursor between two cells.
//
//   CSI row ; column H   absolute position (CUP); either number may be left
//                        out when it is 1
//   CSI n A / CSI n B    up / down n rows (CUU / CUD); n left out when 1
//   CSI n C / CSI n D    right / left n columns (CUF / CUB)
//   CSI n G              to column n of this row (CHA)
//   CR                   to column 1 of this row
//   LF                   down one row, same column, when the tty adds no CR
//   BS                   left one column
//   the cells' own characters, written again, to go right over cells that
//   already show them in the current colours
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "conkit/host/console_types.hpp"

namespace conkit::host::terminal {

// The bytes of one way to move; a way longer than the capacity is marked
// as not fitting and is never chosen.
class MotionBytes {
  public:
    static constexpr std::size_t kCapacity = 40;

    void Add(char byte);
    void Add(const char* bytes, std::size_t count);
    void AddDecimal(std::uint32_t n);
    void Append(const MotionBytes& other) { Add(other.Data(), other.Length()); }

    bool Fits() const { return fits_; }
    std::size_t Length() const { return length_; }
    const char* Data() const { return bytes_.data(); }

  private:
    std::array<char, kCapacity> bytes_{};
    std::size_t length_ = 0;
    bool fits_ = true;
};

// Gives the bytes that show cells again as they are, so that writing them
// moves the cursor right without changing what the terminal shows.
class CellRewriter {
  public:
    // Adds the characters of columns [first, end) of row to bytes; returns
    // false when one of them cannot be written again unchanged.
    virtual bool Rewrite(std::uint16_t row, std::uint16_t first, std::uint16_t end,
                         MotionBytes& bytes) const = 0;

  protected:
    ~CellRewriter() = default;
};

// The shortest byte sequence that takes the cursor from from (nothing when
// its place is unknown) to to. When lineFeed is true, LF may move down (the
// tty adds no CR to it); it never stands on the last row of the terminal
// here, since to is a cell of the terminal.
MotionBytes PlanMove(std::optional<Coord> from, Coord to, bool lineFeed,
                     const CellRewriter& rewriter);

// The shortest byte sequence within the cursor's own row (to's), for a
// terminal whose rows are not known: no absolute position and no vertical
// move. From an unknown column it starts with CR.
MotionBytes PlanMoveInRow(std::optional<std::uint16_t> fromColumn, Coord to,
                          const CellRewriter& rewriter);

}  // namespace conkit::host::terminal
