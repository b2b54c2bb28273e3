#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("Typing ahead...");
    conkit::PauseMs(500);           // keys typed meanwhile queue up
    conkit::DiscardPendingInput();  // and are thrown away
    const conkit::PolledKey key = conkit::PollKey();
    conkit::NewLine();
    conkit::EmitText(key.available ? "a key was left" : "nothing left");
}

// Keys: abc
// Screen:
//   Typing ahead...
//   nothing left
