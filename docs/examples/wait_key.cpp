#include <conkit/conkit.hpp>

int main() {
    conkit::EmitText("Press Escape to end");
    while (conkit::WaitKey() != conkit::kKeyEscape) {
    }
    conkit::NewLine();
    conkit::EmitText("done");
}

// Keys: ab<Esc>
// Screen:
//   Press Escape to end
//   done
