#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("first line\r\nsecond line\r\n\tafter a tab");
}

// Screen:
//   first line
//   second line
//           after a tab
