#include <conkit/conkit.hpp>

int main() {
    conkit::ConsoleInit();  // optional: every console routine calls it on first use
    conkit::EmitText("ready");
}

// Screen:
//   ready
