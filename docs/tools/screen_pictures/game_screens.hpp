// The game's screens that the documentation shows, each drawn by replaying
// its keys on a fresh memory console.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace conkit::pictures {

struct GameScreen {
    const char* name;   // file name without .svg
    const char* title;  // what the picture shows
    std::span<const std::uint32_t> keys;
};

// Every screen the documentation shows, in the order of the README.
std::span<const GameScreen> GameScreens();

// Starts the game on a fresh memory console, hands it the screen's keys and
// returns the picture of the frame's region. Escape is answered with Enter,
// as a player would, so the credits stay on screen.
std::string DrawGameScreen(const GameScreen& screen);

}  // namespace conkit::pictures
