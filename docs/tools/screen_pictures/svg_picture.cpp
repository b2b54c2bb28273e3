#include "svg_picture.hpp"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "console/host/decoding/code_page_437.hpp"

namespace conkit::pictures {
namespace {

// The classic console palette in attribute order: blue is bit 0, green
// bit 1, red bit 2, intensity bit 3.
constexpr std::array<const char*, 16> kPalette = {
    "#000000", "#000080", "#008000", "#008080", "#800000", "#800080", "#808000", "#C0C0C0",
    "#808080", "#0000FF", "#00FF00", "#00FFFF", "#FF0000", "#FF00FF", "#FFFF00", "#FFFFFF"};

constexpr int kFontSize = 16;
// From a cell's top to the baseline of its character.
constexpr int kBaseline = 15;

std::uint8_t Background(std::uint16_t attribute) {
    return static_cast<std::uint8_t>((attribute >> 4) & 0x0F);
}

std::uint8_t Foreground(std::uint16_t attribute) {
    return static_cast<std::uint8_t>(attribute & 0x0F);
}

// A cell shows its character in code page 437, as a terminal would; a blank
// or a zero byte paints only the background.
char32_t Glyph(std::uint8_t character) {
    return host::decoding::Cp437ToUnicode(character);
}

bool Shows(std::uint8_t character) {
    return Glyph(character) != U' ';
}

// Appends the pieces in turn; building the markup this way, rather than by
// chains of operator+, keeps every step an append.
void Append(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        out += piece;
    }
}

void AppendEscaped(std::string& out, char32_t character) {
    switch (character) {
        case U'&':
            out += "&amp;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        default:
            if (character >= U' ' && character < 0x7F) {
                out += static_cast<char>(character);
            } else {
                // Everything beyond ASCII as a character reference, so the
                // file stays plain ASCII.
                static constexpr char kDigits[] = "0123456789ABCDEF";
                std::string digits;
                for (char32_t rest = character; rest != 0; rest >>= 4) {
                    digits.insert(digits.begin(), kDigits[rest & 0xFU]);
                }
                Append(out, {"&#x", digits, ";"});
            }
    }
}

// One rectangle for each run of cells of one background colour in a row.
void AppendBackgrounds(std::string& out, const host::ScreenBuffer& screen, std::uint16_t row, int y,
                       Region region) {
    std::uint16_t start = 0;
    while (start < region.columns) {
        const std::uint8_t colour =
            Background(screen.At(static_cast<std::uint16_t>(region.column + start), row).attribute);
        std::uint16_t end = start;
        while (
            end < region.columns &&
            Background(screen.At(static_cast<std::uint16_t>(region.column + end), row).attribute) ==
                colour) {
            ++end;
        }
        Append(out, {"<rect x=\"", std::to_string(start * kCellWidth), "\" y=\"", std::to_string(y),
                     "\" width=\"", std::to_string((end - start) * kCellWidth), "\" height=\"",
                     std::to_string(kCellHeight), "\" fill=\"", PaletteColour(colour), "\"/>\n"});
        start = end;
    }
}

// One text element for each shown character, placed at the left edge of its
// own cell (a monospace glyph at this size is just under a cell wide). A
// glyph of its own is the one placement every renderer honours exactly.
void AppendCharacters(std::string& out, const host::ScreenBuffer& screen, std::uint16_t row, int y,
                      Region region) {
    const std::string baseline = std::to_string(y + kBaseline);
    for (std::uint16_t column = 0; column < region.columns; ++column) {
        const host::Cell& cell = screen.At(static_cast<std::uint16_t>(region.column + column), row);
        if (!Shows(cell.character)) {
            continue;
        }
        Append(out, {"<text x=\"", std::to_string(column * kCellWidth), "\" y=\"", baseline,
                     "\" fill=\"", PaletteColour(Foreground(cell.attribute)), "\">"});
        AppendEscaped(out, Glyph(cell.character));
        out += "</text>\n";
    }
}

}  // namespace

const char* PaletteColour(std::uint8_t index) {
    return kPalette[index & 0x0FU];
}

std::string RenderSvg(const host::ScreenBuffer& screen, Region region, const std::string& title) {
    region.column = std::min(region.column, screen.Columns());
    region.row = std::min(region.row, screen.Rows());
    region.columns = std::min<std::uint16_t>(
        region.columns, static_cast<std::uint16_t>(screen.Columns() - region.column));
    region.rows = std::min<std::uint16_t>(region.rows,
                                          static_cast<std::uint16_t>(screen.Rows() - region.row));
    const std::string width = std::to_string(region.columns * kCellWidth);
    const std::string height = std::to_string(region.rows * kCellHeight);

    std::string out;
    Append(out, {"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", width, "\" height=\"",
                 height, "\" viewBox=\"0 0 ", width, " ", height,
                 "\" shape-rendering=\"crispEdges\">\n", "<title>"});
    for (const char character : title) {
        AppendEscaped(out, static_cast<unsigned char>(character));
    }
    out += "</title>\n";
    for (std::uint16_t i = 0; i < region.rows; ++i) {
        AppendBackgrounds(out, screen, static_cast<std::uint16_t>(region.row + i), i * kCellHeight,
                          region);
    }
    Append(out, {"<g font-family=\"DejaVu Sans Mono, Consolas, monospace\" font-size=\"",
                 std::to_string(kFontSize), "\">\n"});
    for (std::uint16_t i = 0; i < region.rows; ++i) {
        AppendCharacters(out, screen, static_cast<std::uint16_t>(region.row + i), i * kCellHeight,
                         region);
    }
    out += "</g>\n</svg>\n";
    return out;
}

}  // namespace conkit::pictures
