#include "game_screens.hpp"

#include <array>

#include "conkit/host/console_host.hpp"
#include "conkit/keys.hpp"
#include "conkit/memory_console.hpp"
#include "console/host/memory/memory_host.hpp"
#include "game/game.hpp"
#include "game/game_state.hpp"
#include "svg_picture.hpp"

namespace conkit::pictures {
namespace {

// Key codes: the set-1 scan code in the high byte, the character low.
constexpr std::uint32_t kB = 0x3062;
constexpr std::uint32_t kC = 0x2E63;
constexpr std::uint32_t kF = 0x2166;
constexpr std::uint32_t kG = 0x2267;

// The frame: 61 columns by 21 rows from the top-left corner.
constexpr Region kFrameRegion = {0, 0, 61, 21};

constexpr std::array<std::uint32_t, 0> kStart = {};
constexpr std::array kShapeA = {kB};
constexpr std::array kShapeB = {kB, kKeySpace};
constexpr std::array kColourWhite = {kB, kC};
constexpr std::array kColourBlue = {kB, kC, kC};
constexpr std::array kMoved = {kB, kG, kG, kG, kG, kG, kG, kG, kG, kG, kG, kG, kG, kG,
                               kG, kG, kG, kG, kG, kG, kG, kF, kF, kF, kF, kF, kF, kF};
constexpr std::array kCredits = {kB, kKeyEscape};

constexpr std::array kScreens = {
    GameScreen{"start", "The start: the blue frame, no shape yet", kStart},
    GameScreen{"shape-a", "Shape A in its first colour, yellow (key b)", kShapeA},
    GameScreen{"shape-b", "Shape B in its first colour, white (key b, then space)", kShapeB},
    GameScreen{"colour-white", "Shape A after one colour step: white (key c)", kColourWhite},
    GameScreen{"colour-blue", "Shape A after two colour steps: blue background (c, c)",
               kColourBlue},
    GameScreen{"moved", "Shape A moved right and down (g, f)", kMoved},
    GameScreen{"credits", "The credits after Escape, waiting for Enter", kCredits},
};

}  // namespace

std::span<const GameScreen> GameScreens() {
    return kScreens;
}

std::string DrawGameScreen(const GameScreen& screen) {
    host::memory::MemoryHost console(80, 25);
    host::InstallHost(console);
    host::ResetConsoleState();
    game::gameState = game::GameState{};

    game::StartGame();
    for (const std::uint32_t key : screen.keys) {
        if (key == kKeyEscape) {
            console.Schedule(console.NowMs(), {host::kKeyEvent, MakeKeyPress(kKeyEnter)});
        }
        try {
            game::HandleKey(key);
        } catch (const host::ProcessExit&) {
            // The game has ended after the credits; the screen stays as it was.
        }
    }
    return RenderSvg(console.Screen(), kFrameRegion, screen.title);
}

}  // namespace conkit::pictures
