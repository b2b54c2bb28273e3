#include <conkit/conkit.hpp>

int main() {
    for (int entry = 0; entry < 2; ++entry) {
        conkit::EmitText("Offset: ");
        const conkit::SignedConversion offset = conkit::ReadLineAsSigned();
        if (offset.valid) {
            conkit::EmitText("moving by ");
            conkit::EmitSigned(offset.value);
            conkit::NewLine();
        }
    }
}

// Typed: -x<Enter>-12<Enter>
// Screen:
//   Offset: -x
//    <invalid integer>
//   Offset: -12
//   moving by -12
