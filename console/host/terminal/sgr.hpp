// Console attributes as ECMA-48 Select Graphic Rendition (SGR) parameters.
//
//   CSI 0 m          reset, then the parameters below
//   CSI 30-37 m      foreground, normal colours     CSI 90-97 m   bright
//   CSI 40-47 m      background, normal colours     CSI 100-107 m bright
//   CSI 39 m / 49 m  the terminal's own foreground / background
//   CSI 4 m / 24 m   underline on / off (attribute bit 0x8000)
//   CSI 7 m / 27 m   reverse video on / off (attribute bit 0x4000)
//
// Console colour indexes are BGR (1 blue, 4 red); ECMA-48 colours are RGB
// (1 red, 4 blue), so the index is mapped, not copied. Indexes 8-15 are the
// bright colours. The other bits above the low byte do not show. The
// console's default colours (light grey on black, 0x07) are the terminal's
// own, as a modern console window shows them, so a light theme stays light.
#pragma once

#include <cstdint>

#include "console/host/terminal/terminal_writer.hpp"

namespace conkit::host::terminal {

inline constexpr std::uint16_t kReverseVideo = 0x4000;
inline constexpr std::uint16_t kUnderline = 0x8000;

// The bits of an attribute that change what a cell looks like.
constexpr std::uint16_t VisibleAttribute(std::uint16_t attribute) {
    return static_cast<std::uint16_t>(attribute & (0x00FF | kReverseVideo | kUnderline));
}

// The ECMA-48 colour number (0-7) of a console colour index (0-15).
constexpr std::uint32_t EcmaColour(std::uint32_t index) {
    return ((index & 1U) << 2) | (index & 2U) | ((index & 4U) >> 2);
}

// True for the colours shown as the terminal's own.
constexpr bool TerminalColours(std::uint16_t attribute) {
    return (attribute & 0xFFU) == 0x07U;
}

// The SGR parameter that selects the foreground or background of an
// attribute: 30-37 or 90-97, 40-47 or 100-107; 39 and 49 for the
// terminal's own.
constexpr std::uint32_t ForegroundParameter(std::uint16_t attribute) {
    const std::uint32_t index = attribute & 0x0FU;
    return TerminalColours(attribute) ? 39U : ((index & 8U) != 0 ? 90U : 30U) + EcmaColour(index);
}
constexpr std::uint32_t BackgroundParameter(std::uint16_t attribute) {
    const std::uint32_t index = (attribute >> 4) & 0x0FU;
    return TerminalColours(attribute) ? 49U : ((index & 8U) != 0 ? 100U : 40U) + EcmaColour(index);
}

// Appends the shortest SGR sequence that takes the terminal from the look of
// attribute from to that of attribute to; nothing when they look the same.
void AppendSgrChange(std::uint16_t from, std::uint16_t to, TerminalWriter& out);

// Appends an SGR sequence that sets every part of the look of attribute to,
// whatever the terminal showed before.
void AppendSgrReset(std::uint16_t to, TerminalWriter& out);

}  // namespace conkit::host::terminal
