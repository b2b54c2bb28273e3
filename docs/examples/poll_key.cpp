#include <conkit/conkit.hpp>

int main() {
    for (;;) {
        const conkit::PolledKey key = conkit::PollKey();
        if (key.available) {
            conkit::EmitText("key code ");
            conkit::EmitHex(key.keyCode, 2);
            break;
        }
        conkit::PauseMs(10);  // other work goes here
    }
}

// Keys: a
// Screen:
//   key code 1E61
