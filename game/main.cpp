#include "game/game.hpp"

int main() {
    conkit::game::RunGame();
}
