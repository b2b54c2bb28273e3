#include <conkit/conkit.hpp>

int main() {
    char text[] = "Hello, world 42!";
    conkit::UpperCaseText(text);
    conkit::EmitText(text);
}

// Screen:
//   HELLO, WORLD 42!
