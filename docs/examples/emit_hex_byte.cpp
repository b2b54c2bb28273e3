#include <conkit/conkit.hpp>

int main() {
    conkit::EmitHexByte(0x0A);
    conkit::EmitChar(' ');
    conkit::EmitHexByte(0xFF);
}

// Screen:
//   0A FF
