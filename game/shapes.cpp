// Drawing, erasing, switching and recolouring the two 5x4 shapes. Both are
// painted cell by cell, row by row from the top, switching between the
// shape's colour and black at fixed cell counts.
#include <array>

#include "conkit/output.hpp"
#include "game/game.hpp"
#include "game/game_state.hpp"

namespace conkit::game {
namespace {

constexpr std::uint32_t kBlockColumns = 5;
constexpr std::uint32_t kBlockCells = 20;

// What to paint with after a given cell of the walk.
enum class Switch : std::uint8_t { keep, blank, colour };

using SwitchTable = std::array<Switch, kBlockCells + 1>;

constexpr SwitchTable MakeSwitches(std::initializer_list<std::uint32_t> toBlank,
                                   std::initializer_list<std::uint32_t> toColour) {
    SwitchTable table{};
    for (const std::uint32_t cell : toBlank) {
        table[cell] = Switch::blank;
    }
    for (const std::uint32_t cell : toColour) {
        table[cell] = Switch::colour;
    }
    return table;
}

// Shape A: X...X / XX.XX / ..X.. / XX.XX
constexpr SwitchTable kShapeASwitches = MakeSwitches({1, 7, 10, 13, 17}, {4, 8, 12, 15, 18});
// Shape B: XXXXX / .X.X. / XXXXX / .X.X.
constexpr SwitchTable kShapeBSwitches = MakeSwitches({5, 7, 9, 15, 17, 19}, {6, 8, 10, 16, 18});

void DrawWalk(std::uint32_t colour, const SwitchTable& switches) {
    ApplyTextAttribute(colour);
    while (gameState.cellCount < kBlockCells) {
        PlaceActiveCursor();
        EmitChar(' ');
        StepRight();
        ++gameState.columnCount;
        ++gameState.cellCount;
        const Switch next = switches[gameState.cellCount];
        if (next == Switch::blank) {
            ApplyTextAttribute(kBlankAttribute);
        } else if (next == Switch::colour) {
            ApplyTextAttribute(colour);
        }
        if (gameState.columnCount == kBlockColumns) {
            while (gameState.columnCount != 0) {
                --gameState.columnCount;
                StepLeft();
            }
            StepDown();
        }
    }
    gameState.cellCount = 0;
    gameState.columnCount = 0;
    ApplyTextAttribute(kAfterDrawAttribute);
}

}  // namespace

void DrawShapeA() {
    DrawWalk(gameState.shapeAColour, kShapeASwitches);
}

void DrawShapeB() {
    DrawWalk(gameState.shapeBColour, kShapeBSwitches);
}

// Blanks the block from its bottom-right cell, row by row upwards and right
// to left, and leaves the pen on the block's top-left cell.
void EraseShape() {
    if (gameState.eraseSkip == 1) {
        return;
    }
    ApplyTextAttribute(kBlankAttribute);
    gameState.columnCount = 4;
    while (gameState.columnCount != 0) {
        --gameState.columnCount;
        StepRight();
    }
    StepUp();
    for (;;) {
        PlaceActiveCursor();
        EmitChar(' ');
        StepLeft();
        ++gameState.columnCount;
        ++gameState.cellCount;
        if (gameState.cellCount == kBlockCells) {
            gameState.columnCount = 0;
            gameState.cellCount = 0;
            StepRight();
            return;
        }
        if (gameState.columnCount == kBlockColumns) {
            while (gameState.columnCount != 0) {
                --gameState.columnCount;
                StepRight();
            }
            StepUp();
        }
    }
}

void ToggleShape() {
    gameState.shapeMode = gameState.shapeMode == kShapeB ? kShapeA : kShapeB;
}

// Each shape runs through three colours: +16, +32, then -48 back to the start.
void CycleShapeColour() {
    std::uint32_t* phase = nullptr;
    std::uint32_t* colour = nullptr;
    if (gameState.shapeMode == kShapeA) {
        phase = &gameState.colourPhaseA;
        colour = &gameState.shapeAColour;
    } else if (gameState.shapeMode == kShapeB) {
        phase = &gameState.colourPhaseB;
        colour = &gameState.shapeBColour;
    } else {
        return;
    }
    if (*phase == 2) {
        *phase = 3;
        *colour += 32;
    } else if (*phase == 3) {
        *phase = 1;
        *colour -= 48;
    } else {
        *phase = 2;
        *colour += 16;
    }
}

}  // namespace conkit::game
