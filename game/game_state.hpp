// The game's whole state: one statically allocated record with fixed start
// values, and the credits text shown on the way out.
#pragma once

#include <cstdint>

namespace conkit::game {

// Attributes the game paints with (background in the high nibble).
inline constexpr std::uint32_t kFrameAttribute = 0x11;   // blue on blue
inline constexpr std::uint32_t kBlankAttribute = 0x0F;   // white on black
inline constexpr std::uint32_t kAfterDrawAttribute = 0;  // black on black

// The shape in play.
inline constexpr std::uint32_t kNoShape = 0;
inline constexpr std::uint32_t kShapeA = 1;
inline constexpr std::uint32_t kShapeB = 2;

// The block's top-left cell stays within these bounds, inside the frame.
inline constexpr std::uint8_t kPenMinimum = 1;
inline constexpr std::uint8_t kPenColumnMaximum = 55;
inline constexpr std::uint8_t kPenRowMaximum = 16;

struct GameState {
    std::uint32_t shapeAColour = 0xEE;
    std::uint32_t shapeBColour = 0;
    std::uint8_t frameCol = 0;
    std::uint8_t frameRow = 0;
    std::uint8_t penCol = 1;
    std::uint8_t penRow = 1;
    std::uint32_t cellCount = 0;
    std::uint32_t shapeMode = kNoShape;
    std::uint32_t colourPhaseA = 1;
    std::uint32_t colourPhaseB = 2;
    std::uint32_t columnCount = 0;
    std::uint32_t eraseSkip = 1;
};

extern GameState gameState;

extern const char creditsText[];

}  // namespace conkit::game
