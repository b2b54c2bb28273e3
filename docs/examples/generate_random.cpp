#include <conkit/conkit.hpp>

int main() {
    // Unseeded, the sequence is the same on every run.
    for (int i = 0; i < 3; ++i) {
        conkit::EmitHex(conkit::GenerateRandom());
        conkit::EmitChar(' ');
    }
}

// Screen:
//   C00029E2 83C823F6 3A18BE87
