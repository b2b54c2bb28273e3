// The first program: a coloured greeting at a chosen cell, then a key.
#include <conkit.hpp>

int main() {
    conkit::SetCursorAt(4, 2);
    conkit::ApplyTextAttribute(0x1E);  // yellow on blue
    conkit::EmitText("Hello from conkit!");
    conkit::ApplyTextAttribute(0x07);  // light grey on black
    conkit::SetCursorAt(4, 4);
    conkit::EmitText("Press any key to end.");
    conkit::WaitKey();
}

// Keys: x
// Screen:
//
//
//       Hello from conkit!
//
//       Press any key to end.
