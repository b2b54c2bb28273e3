#include "conkit/output.hpp"
#include "game/game.hpp"
#include "game/game_state.hpp"

namespace conkit::game {
namespace {
constexpr std::uint8_t kFrameRight = 60;
constexpr std::uint8_t kFrameBottom = 20;
}  // namespace

// Walks the frame clockwise from the top-left corner, one blue cell at a
// time: 61 columns by 21 rows, 160 cells, ending where it began.
void DrawFrame() {
    SetCursorAt(gameState.frameCol, gameState.frameRow);
    ApplyTextAttribute(kFrameAttribute);
    while (gameState.frameCol < kFrameRight) {
        EmitChar(' ');
        StepRight();
    }
    while (gameState.frameRow < kFrameBottom) {
        EmitChar(' ');
        StepDown();
    }
    while (gameState.frameCol > 0) {
        EmitChar(' ');
        StepLeft();
    }
    while (gameState.frameRow > 0) {
        EmitChar(' ');
        StepUp();
    }
    ApplyTextAttribute(kBlankAttribute);
}

}  // namespace conkit::game
