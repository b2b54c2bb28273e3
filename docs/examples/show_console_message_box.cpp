#include <conkit/conkit.hpp>

int main() {
    // The box drawn on the console itself, whatever the platform offers;
    // 0x24 asks Yes or No.
    const std::int32_t answer = conkit::ShowConsoleMessageBox("Quit now?", "Question", 0x24);
    conkit::EmitText(answer == conkit::kIdYes ? "yes" : "no");
}

// Keys: y
// Screen:
//   yes
