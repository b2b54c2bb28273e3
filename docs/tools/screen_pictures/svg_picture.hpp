// Renders a region of a console screen buffer as an SVG picture: each cell
// a rectangle in its background colour, each character in its foreground
// colour in a monospace font, both from the 16-colour console palette.
#pragma once

#include <cstdint>
#include <string>

#include "console/host/screen_buffer.hpp"

namespace conkit::pictures {

// Cells in the picture's coordinates.
inline constexpr int kCellWidth = 10;
inline constexpr int kCellHeight = 20;

struct Region {
    std::uint16_t column;
    std::uint16_t row;
    std::uint16_t columns;
    std::uint16_t rows;
};

// Returns the colour of a console colour index (0 to 15) as "#RRGGBB";
// indexes 8 to 15 are the bright colours.
const char* PaletteColour(std::uint8_t index);

// Returns the SVG document of the region, with title (plain ASCII) as its
// accessible name.
// The part of the region that lies outside the buffer is left out.
std::string RenderSvg(const host::ScreenBuffer& screen, Region region, const std::string& title);

}  // namespace conkit::pictures
