#include <conkit/conkit.hpp>

int main() {
    conkit::ApplyTextAttribute(0x1E);  // background 1 (blue), foreground 14 (yellow)
    conkit::EmitText("yellow on blue");
    conkit::ApplyTextAttribute(0x07);  // background 0 (black), foreground 7 (light grey)
    conkit::EmitText(", light grey on black");
}

// Screen:
//   yellow on blue, light grey on black
