#include <conkit/conkit.hpp>

int main() {
    for (std::uint8_t letter = 'a'; letter <= 'e'; ++letter) {
        conkit::EmitChar(letter);
    }
    conkit::EmitChar('\r');  // back to column 0
    conkit::EmitChar('A');
}

// Screen:
//   Abcde
