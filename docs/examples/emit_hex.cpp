#include <conkit/conkit.hpp>

int main() {
    conkit::EmitHex(0xABC, 1);
    conkit::EmitChar(' ');
    conkit::EmitHex(0xABC, 2);
    conkit::EmitChar(' ');
    conkit::EmitHex(0xABC);  // width 4, as every width but 1 and 2
}

// Screen:
//   BC 0ABC 00000ABC
