// A terminal emulator screen (libvterm) for tests: bytes in, cells out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "conkit/host/console_types.hpp"

struct VTerm;
struct VTermScreen;

namespace conkit::host::terminal::testing {

// One cell as the emulator shows it. Colours are palette indexes in
// ECMA-48 order (0-7 normal, 8-15 bright), -1 for the terminal's default.
struct EmulatorCell {
    char32_t character = U' ';
    int foreground = -1;
    int background = -1;
    bool reverse = false;
    bool underline = false;
};

class VtermScreen {
  public:
    VtermScreen(std::uint16_t columns, std::uint16_t rows);
    ~VtermScreen();
    VtermScreen(const VtermScreen&) = delete;
    VtermScreen& operator=(const VtermScreen&) = delete;

    void Feed(std::string_view bytes);
    void Resize(std::uint16_t columns, std::uint16_t rows);

    // An erased cell shows a space.
    EmulatorCell At(std::uint16_t column, std::uint16_t row) const;
    Coord Cursor() const;
    // The characters of a row as UTF-8, trailing blanks kept.
    std::string RowText(std::uint16_t row) const;

  private:
    VTerm* vterm_;
    VTermScreen* screen_;
    std::uint16_t columns_;
    std::uint16_t rows_;
};

// The emulator cell a console cell should become: its code page 437
// character and its attribute's colours in ECMA-48 order.
EmulatorCell ExpectedCell(std::uint8_t character, std::uint16_t attribute);

// "" when the two cells look the same, else what differs.
std::string DescribeDifference(const EmulatorCell& expected, const EmulatorCell& actual);

}  // namespace conkit::host::terminal::testing
