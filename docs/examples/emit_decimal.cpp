#include <conkit/conkit.hpp>

int main() {
    conkit::EmitDecimal(0);
    conkit::EmitChar(' ');
    conkit::EmitDecimal(4294967295U);
}

// Screen:
//   0 4294967295
