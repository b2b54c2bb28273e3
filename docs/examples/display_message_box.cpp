#include <conkit/conkit.hpp>

int main() {
    conkit::DisplayMessageBox("The file has been saved.", "Saved");
    conkit::EmitText("the box was closed");
}

// Screen:
//   the box was closed
