#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("one");
    conkit::NewLine();
    conkit::EmitText("two");
}

// Screen:
//   one
//   two
