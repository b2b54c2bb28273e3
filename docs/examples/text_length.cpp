#include <conkit/conkit.hpp>

int main() {
    const char* name = "conkit";
    conkit::EmitDecimal(conkit::TextLength(name));
    conkit::EmitChar(' ');
    conkit::EmitDecimal(conkit::TextLength(""));
}

// Screen:
//   6 0
