#include "game/game_state.hpp"

namespace conkit::game {

GameState gameState{};

const char creditsText[] = "Student ID: 5550172\r\nname: Tavrel\r\nPress enter to quit the game";

}  // namespace conkit::game
