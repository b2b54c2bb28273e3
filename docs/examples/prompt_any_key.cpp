#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("Saved.");
    conkit::NewLine();
    conkit::PromptAnyKey();
    conkit::EmitText(" thanks");
}

// Keys: x
// Screen:
//   Saved.
//   Press any key to continue... thanks
