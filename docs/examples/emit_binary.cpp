#include <conkit/conkit.hpp>

int main() {
    conkit::EmitBinary(0xA5, 1);
    conkit::NewLine();
    conkit::EmitBinary(5, 2);
    conkit::NewLine();
    conkit::EmitBinary(0xDEADBEEF);
}

// Screen:
//   1010 0101
//   0000 0000 0000 0101
//   1101 1110 1010 1101 1011 1110 1110 1111
