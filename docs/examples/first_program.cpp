#include <conkit/conkit.hpp>

int main() {
    using namespace conkit;
    ApplyTextAttribute(0x1E);  // yellow on blue
    SetCursorAt(4, 2);
    EmitText("Hello from conkit! 6 x 7 = ");
    EmitDecimal(6 * 7);
    NewLine();
    PromptAnyKey();
}

// Keys: x
// Screen:
//
//
//       Hello from conkit! 6 x 7 = 42
//   Press any key to continue...
