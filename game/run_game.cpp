#include "conkit/host/console_host.hpp"
#include "conkit/keys.hpp"
#include "conkit/output.hpp"
#include "game/game.hpp"
#include "game/game_state.hpp"

namespace conkit::game {
namespace {

constexpr std::uint32_t kTickMs = 100;

enum class Action : std::uint8_t { none, chooseA, up, down, left, right, toggle, colour, quit };

// The dispatch order: characters first, then the whole code of Escape.
Action ActionFor(std::uint32_t keyCode) {
    switch (keyCode & 0xFFU) {
        case 'b':
            return Action::chooseA;
        case 'r':
            return Action::up;
        case 'f':
            return Action::down;
        case 'd':
            return Action::left;
        case 'g':
            return Action::right;
        case ' ':
            return Action::toggle;
        case 'c':
            return Action::colour;
        default:
            return keyCode == kKeyEscape ? Action::quit : Action::none;
    }
}

// Before a shape is chosen the active cursor is the frame cursor, so a move,
// a recolour or an erase would walk off the frame's corner; only the keys
// that choose a shape act then.
bool ActsBeforeShape(Action action) {
    return action == Action::chooseA || action == Action::toggle || action == Action::quit;
}

void Apply(Action action) {
    switch (action) {
        case Action::chooseA:
            gameState.shapeMode = kShapeA;
            break;
        case Action::up:
            if (gameState.penRow > kPenMinimum) {
                StepUp();
            }
            break;
        case Action::down:
            if (gameState.penRow < kPenRowMaximum) {
                StepDown();
            }
            break;
        case Action::left:
            if (gameState.penCol > kPenMinimum) {
                StepLeft();
            }
            break;
        case Action::right:
            if (gameState.penCol < kPenColumnMaximum) {
                StepRight();
            }
            break;
        case Action::toggle:
            ToggleShape();
            break;
        case Action::colour:
            CycleShapeColour();
            break;
        case Action::none:
        case Action::quit:
            break;
    }
}

}  // namespace

void GameTick() {
    PauseMs(kTickMs);
}

void StartGame() {
    gameState.shapeBColour = gameState.shapeAColour + 16;
    DrawFrame();
}

void HandleKey(std::uint32_t keyCode) {
    const Action action = ActionFor(keyCode);
    if (action == Action::quit) {
        QuitGame();
    }
    // A key outside the dispatch table changes nothing: no erase, no second
    // drawing four rows lower, no pause.
    if (action == Action::none) {
        return;
    }
    if (gameState.shapeMode == kNoShape && !ActsBeforeShape(action)) {
        return;
    }
    EraseShape();
    Apply(action);
    gameState.eraseSkip = 0;
    if (gameState.shapeMode == kShapeA) {
        DrawShapeA();
    } else if (gameState.shapeMode == kShapeB) {
        DrawShapeB();
    }
    GameTick();
}

void QuitGame() {
    ApplyTextAttribute(kBlankAttribute);
    SetCursorAt(0, 0);
    EmitText(creditsText);
    while (WaitKey() != kKeyEnter) {
    }
    host::ExitProcess(0);
}

void RunGame() {
    StartGame();
    for (;;) {
        HandleKey(WaitKey());
    }
}

}  // namespace conkit::game
