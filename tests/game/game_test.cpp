#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conkit/keys.hpp"
#include "game/game.hpp"
#include "game/game_state.hpp"
#include "tests/testing/memory_console.hpp"

namespace conkit::game {
namespace {

using host::Cell;
using host::memory::Paint;

constexpr std::uint16_t kUntouchedAttribute = 0x07;
constexpr std::uint32_t kKeyB = 0x3062;
constexpr std::uint32_t kKeyR = 0x1372;
constexpr std::uint32_t kKeyF = 0x2166;
constexpr std::uint32_t kKeyD = 0x2064;
constexpr std::uint32_t kKeyG = 0x2267;
constexpr std::uint32_t kKeySpace = 0x3920;
constexpr std::uint32_t kKeyC = 0x2E63;

const std::vector<std::string> kPatternA = {"X...X", "XX.XX", "..X..", "XX.XX"};
const std::vector<std::string> kPatternB = {"XXXXX", ".X.X.", "XXXXX", ".X.X."};

bool OnFrame(int column, int row) {
    const bool inside = column <= 60 && row <= 20;
    return inside && (row == 0 || row == 20 || column == 0 || column == 60);
}

class GameTest : public testing::MemoryConsoleTest {
  protected:
    GameTest() {
        gameState = GameState{};
        // Mark every cell so that a stray paint shows.
        for (std::uint16_t row = 0; row < 25; ++row) {
            for (std::uint16_t column = 0; column < 80; ++column) {
                std::uint32_t written = 0;
                console().WriteConsoleOutputCharacterA(host::memory::MemoryHost::kOutputHandle, "~",
                                                       1, {column, row}, &written);
            }
        }
    }

    const Cell& At(int column, int row) {
        return console().Screen().At(static_cast<std::uint16_t>(column),
                                     static_cast<std::uint16_t>(row));
    }

    // The 5x4 block at (x0, y0): X for the given colour, . for a black cell,
    // ? for anything else.
    std::vector<std::string> Block(int x0, int y0, std::uint16_t colour) {
        std::vector<std::string> rows;
        for (int row = y0; row < y0 + 4; ++row) {
            std::string line;
            for (int column = x0; column < x0 + 5; ++column) {
                const Cell& cell = At(column, row);
                line.push_back(cell.character != ' '      ? '?'
                               : cell.attribute == colour ? 'X'
                               : cell.attribute == 0x0F   ? '.'
                                                          : '?');
            }
            rows.push_back(line);
        }
        return rows;
    }

    std::vector<Cell> Snapshot() {
        std::vector<Cell> cells;
        for (std::uint16_t row = 0; row < 25; ++row) {
            for (std::uint16_t column = 0; column < 80; ++column) {
                cells.push_back(console().Screen().At(column, row));
            }
        }
        return cells;
    }

    void StartWithShapeA() {
        StartGame();
        HandleKey(kKeyB);
    }
};

TEST_F(GameTest, StartUpPaintsTheFrameAndNothingElse) {
    StartGame();
    int blue = 0;
    for (int row = 0; row < 25; ++row) {
        for (int column = 0; column < 80; ++column) {
            const Cell& cell = At(column, row);
            if (OnFrame(column, row)) {
                EXPECT_EQ(cell, (Cell{' ', 0x11})) << column << "," << row;
                ++blue;
            } else {
                EXPECT_EQ(cell, (Cell{'~', kUntouchedAttribute})) << column << "," << row;
            }
        }
    }
    EXPECT_EQ(blue, 160);
    EXPECT_EQ(console().Paints().size(), 160U);
    EXPECT_EQ(gameState.shapeBColour, 0xFEU);
    EXPECT_EQ(gameState.frameCol, 0);
    EXPECT_EQ(gameState.frameRow, 0);
    EXPECT_EQ(console().Screen().Attribute(), 0x0F);
}

TEST_F(GameTest, FrameIsWalkedClockwiseFromTheCorner) {
    StartGame();
    const auto& paints = console().Paints();
    EXPECT_EQ(paints[0].cell, (host::Coord{0, 0}));
    EXPECT_EQ(paints[59].cell, (host::Coord{59, 0}));
    EXPECT_EQ(paints[60].cell, (host::Coord{60, 0}));
    EXPECT_EQ(paints[80].cell, (host::Coord{60, 20}));
    EXPECT_EQ(paints[140].cell, (host::Coord{0, 20}));
    EXPECT_EQ(paints[159].cell, (host::Coord{0, 1}));
}

TEST_F(GameTest, FirstKeyBDrawsShapeAWithoutErasing) {
    StartGame();
    console().ClearTrace();
    HandleKey(kKeyB);
    EXPECT_EQ(Block(1, 1, 0xEE), kPatternA);
    EXPECT_EQ(console().Paints().size(), 20U);
    EXPECT_EQ(gameState.penCol, 1);
    EXPECT_EQ(gameState.penRow, 5);
    EXPECT_EQ(gameState.eraseSkip, 0U);
    EXPECT_EQ(console().Screen().Attribute(), 0);
    EXPECT_EQ(console().NowMs(), 100U);
}

TEST_F(GameTest, GMovesTheBlockOneColumnRight) {
    StartWithShapeA();
    HandleKey(kKeyG);
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(At(1, row), (Cell{' ', 0x0F}));
    }
    EXPECT_EQ(Block(2, 1, 0xEE), kPatternA);
    EXPECT_EQ(gameState.penCol, 2);
    EXPECT_EQ(gameState.penRow, 5);
}

TEST_F(GameTest, EraseAndDrawPaintCellsInWalkOrder) {
    StartWithShapeA();
    console().ClearTrace();
    HandleKey(kKeyF);
    const auto& paints = console().Paints();
    ASSERT_EQ(paints.size(), 40U);
    // Erase: bottom row first, each row right to left, all black.
    for (int i = 0; i < 20; ++i) {
        const auto column = static_cast<std::uint16_t>(5 - i % 5);
        const auto row = static_cast<std::uint16_t>(4 - i / 5);
        EXPECT_EQ(paints[static_cast<std::size_t>(i)], (Paint{{column, row}, ' ', 0x0F})) << i;
    }
    // Draw: top row first, each row left to right, one row lower.
    for (int i = 0; i < 20; ++i) {
        const auto column = static_cast<std::uint16_t>(1 + i % 5);
        const auto row = static_cast<std::uint16_t>(2 + i / 5);
        const bool lit =
            kPatternA[static_cast<std::size_t>(i / 5)][static_cast<std::size_t>(i % 5)] == 'X';
        EXPECT_EQ(paints[static_cast<std::size_t>(20 + i)],
                  (Paint{{column, row}, ' ', static_cast<std::uint16_t>(lit ? 0xEE : 0x0F)}))
            << i;
    }
}

TEST_F(GameTest, MovesStopAtTheFourBounds) {
    StartWithShapeA();
    for (int i = 0; i < 70; ++i) {
        HandleKey(kKeyG);
    }
    EXPECT_EQ(gameState.penCol, 55);
    EXPECT_EQ(Block(55, 1, 0xEE), kPatternA);
    for (int i = 0; i < 30; ++i) {
        HandleKey(kKeyF);
    }
    EXPECT_EQ(gameState.penRow, 16 + 4);
    EXPECT_EQ(Block(55, 16, 0xEE), kPatternA);
    for (int i = 0; i < 70; ++i) {
        HandleKey(kKeyD);
    }
    for (int i = 0; i < 30; ++i) {
        HandleKey(kKeyR);
    }
    EXPECT_EQ(gameState.penCol, 1);
    EXPECT_EQ(gameState.penRow, 5);
    EXPECT_EQ(Block(1, 1, 0xEE), kPatternA);
    for (int row = 0; row <= 20; ++row) {
        for (int column = 0; column <= 60; ++column) {
            if (OnFrame(column, row)) {
                ASSERT_EQ(At(column, row), (Cell{' ', 0x11})) << column << "," << row;
            }
        }
    }
    EXPECT_EQ(At(61, 1).character, '~');
}

TEST_F(GameTest, BoundKeyStillErasesAndRedrawsInPlace) {
    StartWithShapeA();
    console().ClearTrace();
    HandleKey(kKeyR);
    EXPECT_EQ(console().Paints().size(), 40U);
    EXPECT_EQ(Block(1, 1, 0xEE), kPatternA);
}

TEST_F(GameTest, SpaceSwitchesShapesInPlaceKeepingColours) {
    StartWithShapeA();
    HandleKey(kKeyG);
    HandleKey(kKeySpace);
    EXPECT_EQ(gameState.shapeMode, kShapeB);
    EXPECT_EQ(Block(2, 1, 0xFE), kPatternB);
    HandleKey(kKeySpace);
    EXPECT_EQ(gameState.shapeMode, kShapeA);
    EXPECT_EQ(Block(2, 1, 0xEE), kPatternA);
}

TEST_F(GameTest, SpaceAsTheFirstKeyChoosesShapeB) {
    StartGame();
    HandleKey(kKeySpace);
    EXPECT_EQ(Block(1, 1, 0xFE), kPatternB);
}

TEST_F(GameTest, ColourCyclesThroughThreeColoursPerShape) {
    StartWithShapeA();
    const std::uint16_t cycleA[] = {0xFE, 0x11E, 0xEE};
    for (const std::uint16_t colour : cycleA) {
        HandleKey(kKeyC);
        EXPECT_EQ(Block(1, 1, colour), kPatternA);
    }
    EXPECT_EQ(gameState.shapeBColour, 0xFEU);
    EXPECT_EQ(gameState.colourPhaseB, 2U);

    HandleKey(kKeyC);  // A is white now
    HandleKey(kKeySpace);
    const std::uint16_t cycleB[] = {0x11E, 0xEE, 0xFE};
    for (const std::uint16_t colour : cycleB) {
        HandleKey(kKeyC);
        EXPECT_EQ(Block(1, 1, colour), kPatternB);
    }
    EXPECT_EQ(gameState.shapeAColour, 0xFEU);
    EXPECT_EQ(gameState.colourPhaseA, 2U);
}

TEST_F(GameTest, UpperCaseKeysDoNothing) {
    StartWithShapeA();
    const auto before = Snapshot();
    const GameState state = gameState;
    for (const char letter : std::string("BRFDGC")) {
        const host::KeyEventRecord key = MakeCharacterPress(letter);
        HandleKey(std::uint32_t{key.virtualScan} << 8 | key.character);
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(gameState.penCol, state.penCol);
    EXPECT_EQ(gameState.penRow, state.penRow);
    EXPECT_EQ(gameState.shapeAColour, state.shapeAColour);
}

TEST_F(GameTest, KeysBeforeAShapeAndUnknownKeysLeaveEverything) {
    StartGame();
    auto before = Snapshot();
    const std::uint64_t startMs = console().NowMs();
    for (const std::uint32_t key : {kKeyR, kKeyF, kKeyD, kKeyG, kKeyC, 0x2D78U, 0x3B00U, 0U}) {
        HandleKey(key);
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(gameState.shapeMode, kNoShape);
    EXPECT_EQ(gameState.eraseSkip, 1U);
    EXPECT_EQ(gameState.frameCol, 0);
    EXPECT_EQ(gameState.penCol, 1);
    EXPECT_EQ(gameState.penRow, 1);

    HandleKey(kKeyB);
    before = Snapshot();
    for (const std::uint32_t key : {0x2D78U, 0x3B00U, 0x1A1BU, 0x4800U, 0U}) {
        HandleKey(key);
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(gameState.penRow, 5);
    EXPECT_EQ(console().NowMs(), startMs + 100);
}

class GameRunTest : public GameTest {
  protected:
    void Press(std::uint64_t ms, host::KeyEventRecord key) {
        console().Schedule(ms, {host::kKeyEvent, key});
    }
};

TEST_F(GameRunTest, EscapeShowsCreditsAndOnlyEnterEndsWithStatusZero) {
    Press(1000, MakeCharacterPress('b'));
    Press(2000, testing::KeyDown(0x1B, 0x01, 0x1B));
    Press(3000, MakeCharacterPress('g'));
    Press(4000, testing::KeyDown(0x20, 0x39, ' '));
    Press(5000, testing::KeyDown(0x1B, 0x01, 0x1B));
    Press(6000, testing::KeyDown(0x0D, 0x1C, '\r'));
    std::uint32_t status = 99;
    try {
        RunGame();
    } catch (const host::ProcessExit& exit) {
        status = exit.status;
    }
    EXPECT_EQ(status, 0U);
    EXPECT_EQ(console().RowText(0, 0, 19), "Student ID: 5550172");
    EXPECT_EQ(console().RowText(1, 0, 12), "name: Tavrel");
    EXPECT_EQ(console().RowText(2, 0, 28), "Press enter to quit the game");
    EXPECT_EQ(At(0, 0), (Cell{'S', 0x0F}));
    // The credits cover the frame's corner and the shape, which stays put.
    EXPECT_EQ(At(27, 2).attribute, 0x0F);
    EXPECT_EQ(At(5, 4), (Cell{' ', 0xEE}));
    EXPECT_EQ(gameState.penCol, 1);
    EXPECT_EQ(gameState.shapeMode, kShapeA);
    EXPECT_GE(console().NowMs(), 6000U);
}

TEST_F(GameRunTest, KeysPressedTogetherMoveOneStep) {
    Press(1000, MakeCharacterPress('b'));
    Press(2000, MakeCharacterPress('g'));
    Press(2000, MakeCharacterPress('g'));
    Press(2000, MakeCharacterPress('g'));
    Press(3000, testing::KeyDown(0x1B, 0x01, 0x1B));
    Press(3100, testing::KeyDown(0x0D, 0x1C, '\r'));
    EXPECT_THROW(RunGame(), host::ProcessExit);
    EXPECT_EQ(gameState.penCol, 2);
}

}  // namespace
}  // namespace conkit::game
