// The frame cursor draws the frame; the pen carries the shape. Arithmetic on
// both wraps modulo 256, as their 8-bit fields do.
#include "conkit/output.hpp"
#include "game/game.hpp"
#include "game/game_state.hpp"

namespace conkit::game {
namespace {

bool PenIsActive() {
    return gameState.shapeMode == kShapeA || gameState.shapeMode == kShapeB;
}

std::uint8_t& ActiveColumn() {
    return PenIsActive() ? gameState.penCol : gameState.frameCol;
}
std::uint8_t& ActiveRow() {
    return PenIsActive() ? gameState.penRow : gameState.frameRow;
}

}  // namespace

void PlaceActiveCursor() {
    SetCursorAt(ActiveColumn(), ActiveRow());
}

void StepRight() {
    ++ActiveColumn();
    PlaceActiveCursor();
}

void StepLeft() {
    --ActiveColumn();
    PlaceActiveCursor();
}

void StepDown() {
    ++ActiveRow();
    PlaceActiveCursor();
}

void StepUp() {
    --ActiveRow();
    PlaceActiveCursor();
}

}  // namespace conkit::game
