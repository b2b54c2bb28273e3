#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("How many? ");
    const conkit::UnsignedConversion count = conkit::ReadLineAsUnsigned();
    if (count.valid) {
        conkit::EmitDecimal(count.value);
        conkit::EmitText(" it is");
    } else {
        conkit::EmitText("not a number from 0 to 4294967295");
    }
}

// Typed: 4294967296<Enter>
// Screen:
//   How many? 4294967296
//   not a number from 0 to 4294967295
