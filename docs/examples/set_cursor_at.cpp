#include <conkit/conkit.hpp>

int main() {
    conkit::SetCursorAt(10, 3);
    conkit::EmitText("column 10, row 3");
    conkit::SetCursorAt(200, 200);  // outside the 80x25 buffer: the cursor stays
    conkit::EmitText("!");
}

// Screen:
//
//
//
//             column 10, row 3!
