#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("Working");
    for (int step = 0; step < 3; ++step) {
        conkit::PauseMs(300);
        conkit::EmitChar('.');
    }
}

// Screen:
//   Working...
