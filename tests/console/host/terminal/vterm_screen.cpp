#include "tests/console/host/terminal/vterm_screen.hpp"

#include <vterm.h>

#include <sstream>

#include "console/host/decoding/code_page_437.hpp"

namespace conkit::host::terminal::testing {
namespace {

int PaletteIndex(const VTermColor& colour, bool foreground) {
    if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&colour) : VTERM_COLOR_IS_DEFAULT_BG(&colour)) {
        return -1;
    }
    if (!VTERM_COLOR_IS_INDEXED(&colour)) {
        return -2;
    }
    return colour.indexed.idx;
}

// Console colours are blue, green, red from bit 0 up; ECMA-48's are red,
// green, blue. Written out here rather than taken from the host's code.
int ConsoleToEcma(std::uint32_t index) {
    constexpr int kEcma[8] = {0 /* black */, 4 /* blue */,    2 /* green */,  6 /* cyan */,
                              1 /* red */,   5 /* magenta */, 3 /* yellow */, 7 /* white */};
    return kEcma[index & 7U] + static_cast<int>(index & 8U);
}

}  // namespace

VtermScreen::VtermScreen(std::uint16_t columns, std::uint16_t rows)
    : vterm_(vterm_new(rows, columns)), columns_(columns), rows_(rows) {
    vterm_set_utf8(vterm_, 1);
    screen_ = vterm_obtain_screen(vterm_);
    vterm_screen_reset(screen_, 1);
}

VtermScreen::~VtermScreen() {
    vterm_free(vterm_);
}

void VtermScreen::Feed(std::string_view bytes) {
    vterm_input_write(vterm_, bytes.data(), bytes.size());
    vterm_screen_flush_damage(screen_);
}

void VtermScreen::Resize(std::uint16_t columns, std::uint16_t rows) {
    vterm_set_size(vterm_, rows, columns);
    columns_ = columns;
    rows_ = rows;
}

EmulatorCell VtermScreen::At(std::uint16_t column, std::uint16_t row) const {
    VTermScreenCell cell{};
    vterm_screen_get_cell(screen_, VTermPos{row, column}, &cell);
    EmulatorCell result;
    result.character = cell.chars[0] == 0 ? U' ' : static_cast<char32_t>(cell.chars[0]);
    result.foreground = PaletteIndex(cell.fg, true);
    result.background = PaletteIndex(cell.bg, false);
    result.reverse = cell.attrs.reverse != 0;
    result.underline = cell.attrs.underline != 0;
    return result;
}

Coord VtermScreen::Cursor() const {
    VTermPos position{};
    vterm_state_get_cursorpos(vterm_obtain_state(vterm_), &position);
    return {static_cast<std::uint16_t>(position.col), static_cast<std::uint16_t>(position.row)};
}

std::string VtermScreen::RowText(std::uint16_t row) const {
    std::string text;
    for (std::uint16_t column = 0; column < columns_; ++column) {
        char utf8[4];
        const std::uint32_t length = decoding::EncodeUtf8(At(column, row).character, utf8);
        text.append(utf8, length);
    }
    return text;
}

EmulatorCell ExpectedCell(std::uint8_t character, std::uint16_t attribute) {
    EmulatorCell cell;
    cell.character = decoding::Cp437ToUnicode(character);
    // Light grey on black is the terminal's own colours.
    const bool terminalColours = (attribute & 0xFFU) == 0x07U;
    cell.foreground = terminalColours ? -1 : ConsoleToEcma(attribute & 0x0FU);
    cell.background = terminalColours ? -1 : ConsoleToEcma((attribute >> 4) & 0x0FU);
    cell.reverse = (attribute & 0x4000U) != 0;
    cell.underline = (attribute & 0x8000U) != 0;
    return cell;
}

std::string DescribeDifference(const EmulatorCell& expected, const EmulatorCell& actual) {
    std::ostringstream text;
    if (expected.character != actual.character) {
        text << " character U+" << std::hex << static_cast<std::uint32_t>(expected.character)
             << " shown as U+" << static_cast<std::uint32_t>(actual.character) << std::dec;
    }
    if (expected.foreground != actual.foreground) {
        text << " foreground " << expected.foreground << " shown as " << actual.foreground;
    }
    if (expected.background != actual.background) {
        text << " background " << expected.background << " shown as " << actual.background;
    }
    if (expected.reverse != actual.reverse) {
        text << " reverse " << expected.reverse << " shown as " << actual.reverse;
    }
    if (expected.underline != actual.underline) {
        text << " underline " << expected.underline << " shown as " << actual.underline;
    }
    return text.str();
}

}  // namespace conkit::host::terminal::testing
