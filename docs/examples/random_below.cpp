#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("three dice:");  // unseeded, the same three on every run
    for (int i = 0; i < 3; ++i) {
        conkit::EmitChar(' ');
        conkit::EmitDecimal(1 + conkit::RandomBelow(6));
    }
}

// Screen:
//   three dice: 1 1 6
