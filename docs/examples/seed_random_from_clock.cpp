#include <conkit/conkit.hpp>

int main() {
    conkit::SeedRandomFromClock();  // one of 1000 sequences, by the clock's millisecond
    conkit::EmitText("a die: ");
    conkit::EmitDecimal(1 + conkit::RandomBelow(6));
}

// Screen:
//   a die: #
