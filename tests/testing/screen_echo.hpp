// An echo target that draws on a screen buffer as a console does, and a
// check that the screen shows the line being edited: the part of it around
// the cursor, in the cells from the line's first cell to the row's last but
// one, blanks after its end, the cursor on its cell and the next row
// untouched.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "console/host/line_editor.hpp"
#include "console/host/screen_buffer.hpp"

namespace conkit::testing {

class ScreenEcho final : public host::EchoTarget {
  public:
    ScreenEcho(std::uint16_t columns, std::uint16_t rows) : screen(columns, rows) {}

    void Echo(const char* chars, std::uint32_t count) override { screen.Write(chars, count); }
    host::EchoLayout Layout() const override { return {screen.Cursor().column, screen.Columns()}; }

    host::ScreenBuffer screen;
};

// Returns "" when the screen shows line with its cursor as the editor
// should, from the cell start on; otherwise what differs.
inline std::string CheckShowsLine(const host::ScreenBuffer& screen, host::Coord start,
                                  std::string_view line, std::uint32_t cursor) {
    const host::Coord at = screen.Cursor();
    const std::uint32_t room = screen.Columns() - 1U - start.column;
    if (at.row != start.row || at.column < start.column || at.column > start.column + room) {
        return "the cursor left the line's cells";
    }
    const std::uint32_t offset = at.column - start.column;
    if (offset > cursor) {
        return "the cursor stands after the line's first cell by more than its index";
    }
    const std::uint32_t first = cursor - offset;
    for (std::uint32_t i = 0; i <= room; ++i) {
        const std::uint32_t index = first + i;
        char expected = i < room && index < line.size() ? line[index] : ' ';
        expected = expected == '\t' ? ' ' : expected;
        const auto column = static_cast<std::uint16_t>(start.column + i);
        if (screen.At(column, start.row).character != static_cast<std::uint8_t>(expected)) {
            return "cell " + std::to_string(column) + " differs";
        }
    }
    if (start.row + 1U < screen.Rows()) {
        for (std::uint16_t column = 0; column < screen.Columns(); ++column) {
            if (screen.At(column, static_cast<std::uint16_t>(start.row + 1)).character != ' ') {
                return "the line spilled into the next row";
            }
        }
    }
    return {};
}

}  // namespace conkit::testing
