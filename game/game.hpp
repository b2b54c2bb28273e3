// The block game: a blue frame, a 5x4 block in one of two shapes that the
// player moves, switches and recolours, painted cell by cell.
#pragma once

#include <cstdint>

namespace conkit::game {

// Starts the game, runs its key loop and ends the process with status 0
// after Escape and Enter.
[[noreturn]] void RunGame();

// Start-up: derives shape B's colour and paints the frame.
void StartGame();

// Acts on one key code as the key loop does; Escape does not return.
void HandleKey(std::uint32_t keyCode);

// Writes the credits, waits for Enter and ends the process with status 0.
[[noreturn]] void QuitGame();

// The cursors: the pen while a shape is in play, else the frame cursor.
void PlaceActiveCursor();
void StepRight();
void StepLeft();
void StepDown();
void StepUp();

void DrawFrame();
void DrawShapeA();
void DrawShapeB();
void EraseShape();
void ToggleShape();
void CycleShapeColour();
void GameTick();

}  // namespace conkit::game
