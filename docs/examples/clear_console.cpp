#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("old text\r\nmore old text");
    conkit::ApplyTextAttribute(0x1F);  // the clear paints every cell white on blue
    conkit::ClearConsole();
    conkit::EmitText("a fresh screen");
}

// Screen:
//   a fresh screen
