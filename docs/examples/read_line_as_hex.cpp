#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("Address: ");
    const conkit::UnsignedConversion address = conkit::ReadLineAsHex();
    if (address.valid) {
        conkit::EmitHex(address.value);
        conkit::EmitText(" is ");
        conkit::EmitDecimal(address.value);
    }
}

// Typed:   1a2b<Enter>
// Screen:
//   Address:   1a2b
//   00001A2B is 6699
